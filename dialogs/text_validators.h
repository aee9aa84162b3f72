#pragma once

#include <QValidator>

// Refuses characters that have no Windows-1252 byte, so that what the user
// types is what the camera reads.
class CodePageValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

// Digits only.
class DigitsValidator : public CodePageValidator
{
    Q_OBJECT

public:
    using CodePageValidator::CodePageValidator;
    State validate(QString &input, int &pos) const override;
};

// Shows letters in upper case; refuses nothing else, so that a check can
// still see a character that does not belong.
class UpperCaseValidator : public CodePageValidator
{
    Q_OBJECT

public:
    using CodePageValidator::CodePageValidator;
    State validate(QString &input, int &pos) const override;
};
