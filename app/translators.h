#pragma once

#include <QLocale>
#include <QTranslator>

// The tool's own translation and Qt's (the buttons of questions, the folder
// picker) for one language, installed while this object lives. Made after the
// application object and before any window or text. An English locale, or
// one without a translation, leaves the texts as they are written.
class Translators
{
public:
    explicit Translators(const QLocale &locale = QLocale());
    Translators(const Translators &) = delete;
    Translators &operator=(const Translators &) = delete;

    // Whether the tool's own translation was found for the locale.
    bool hasOwn() const { return m_hasOwn; }

private:
    QTranslator m_qt;
    QTranslator m_own;
    bool m_hasOwn = false;
};
