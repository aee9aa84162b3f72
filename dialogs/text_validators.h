#pragma once

#include <QValidator>

// Refuses characters that have no Windows-1252 byte, so that what the user
// types is what the camera reads.
class CodePageValidator : public QValidator
{
    Q_OBJECT

public:
    explicit CodePageValidator(QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;
};

// Digits only.
class DigitsValidator : public CodePageValidator
{
    Q_OBJECT

public:
    explicit DigitsValidator(QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;
};

class QLineEdit;

// Stops typing at a number of characters. Unlike a line edit's own limit it
// leaves a longer text set by the program whole, so that reading can refuse
// it rather than take a cut text; such a text can still be shortened.
class LengthLimitValidator : public CodePageValidator
{
    Q_OBJECT

public:
    LengthLimitValidator(int limit, QLineEdit *edit);
    State validate(QString &input, int &pos) const override;

private:
    int m_limit;
    QLineEdit *m_edit;
};

// Shows letters in upper case; refuses nothing else, so that a check can
// still see a character that does not belong.
class UpperCaseValidator : public CodePageValidator
{
    Q_OBJECT

public:
    explicit UpperCaseValidator(QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;
};
