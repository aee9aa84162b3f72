#include "settings/typed_text.h"

#include "profile/code_page.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include <algorithm>

namespace {

using Characters = TypedTextRule::Characters;

// `text` is marked with QT_TRANSLATE_NOOP in the context "FieldNotes".
QString noteText(const char *text)
{
    return QCoreApplication::translate("FieldNotes", text);
}

// What people put between the digits of a phone number when they write it down.
bool isPhoneSeparator(char32_t c)
{
    static constexpr char32_t kSeparators[] = {
        U' ',      U'\t',     U'\u00A0', U'\u2007', U'\u2009', U'\u202F', // spaces
        U'-',      U'\u2010', U'\u2011', U'\u2012', U'\u2013', U'\u2014', U'\u2212', // dashes
        U'.',      U'/',      U'\\',     U'(',      U')',      U'[',      U']', // dots, slashes, brackets
    };
    return std::ranges::find(kSeparators, c) != std::end(kSeparators);
}

bool isDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

bool takes(const TypedTextRule &rule, char32_t c)
{
    switch (rule.characters) {
    case Characters::Any: return true;
    case Characters::CodePage: return c <= 0xFFFF && CodePage::holds(QChar(char16_t(c)));
    case Characters::Digits:
    case Characters::PhoneNumber: return isDigit(c);
    }
    return false;
}

QString codeOf(char32_t c)
{
    return QStringLiteral("U+") + QString::number(uint(c), 16).toUpper().rightJustified(4, u'0');
}

// A character as the note names it: in quotes, with its code where the
// desktop may have no font to show it, or by its code alone when it shows nothing.
QString named(char32_t c)
{
    if (c == U' ')
        return noteText(QT_TRANSLATE_NOOP("FieldNotes", "space"));
    if (!QChar::isPrint(c))
        return codeOf(c);
    const QString quoted = noteText(QT_TRANSLATE_NOOP("FieldNotes", "\"%1\"")).arg(QString::fromUcs4(&c, 1));
    return c < 0x100 ? quoted : quoted + QStringLiteral(" (") + codeOf(c) + u')';
}

QString refusedNote(const TypedTextRule &rule, const QList<char32_t> &refused)
{
    if (refused.isEmpty())
        return {};
    if (rule.characters == Characters::CodePage && rule.secret)
        return noteText(QT_TRANSLATE_NOOP("FieldNotes", "Characters the camera cannot store were left out."));
    QStringList names;
    for (char32_t c : refused)
        names.append(named(c));
    const char *why = rule.characters == Characters::CodePage
                          ? QT_TRANSLATE_NOOP("FieldNotes", "Left out: %1. The camera cannot store these characters.")
                          : QT_TRANSLATE_NOOP("FieldNotes", "Left out: %1. This field takes digits only.");
    return noteText(why).arg(names.join(QStringLiteral(", ")));
}

} // namespace

TypedText TakeTyped(const QString &input, int cursor, const TypedTextRule &rule)
{
    cursor = std::clamp(cursor, 0, int(input.size()));
    if (rule.characters == Characters::PhoneNumber && input.contains(u'+'))
        return {input, cursor, true,
                noteText(QT_TRANSLATE_NOOP("FieldNotes",
                    "The camera takes no \"+\": for an international number write 00 in its place, "
                    "such as 0049... for +49..."))};

    QString kept;
    kept.reserve(input.size());
    int keptCursor = 0;
    QList<char32_t> refused;
    bool separators = false;
    for (qsizetype i = 0; i < input.size();) {
        const bool pair = input[i].isHighSurrogate() && i + 1 < input.size() && input[i + 1].isLowSurrogate();
        const qsizetype units = pair ? 2 : 1;
        const char32_t c = pair ? QChar::surrogateToUcs4(input[i], input[i + 1]) : input[i].unicode();
        if (takes(rule, c)) {
            kept.append(input.mid(i, units));
            if (i + units <= cursor)
                keptCursor += int(units);
        } else if (rule.characters == Characters::PhoneNumber && isPhoneSeparator(c)) {
            separators = true;
        } else if (!refused.contains(c)) {
            refused.append(c);
        }
        i += units;
    }

    if (rule.upperCase) {
        // Upper-casing may leave the code page (the sharp s becomes "SS"): such a letter stays.
        for (QChar &c : kept) {
            const QChar upper = c.toUpper();
            if (CodePage::holds(upper))
                c = upper;
        }
    }

    bool cut = false;
    if (rule.limit >= 0 && kept.size() > rule.limit) {
        qsizetype excess = kept.size() - rule.limit;
        // What was just typed or pasted stands before the cursor: its end goes.
        qsizetype from = keptCursor >= excess ? keptCursor - excess : kept.size() - excess;
        // A character of two code units goes whole or not at all.
        if (from > 0 && kept[from].isLowSurrogate()) {
            --from;
            ++excess;
        }
        if (from + excess < kept.size() && kept[from + excess].isLowSurrogate())
            ++excess;
        kept.remove(from, excess);
        keptCursor = int(keptCursor > from ? std::max<qsizetype>(from, keptCursor - excess) : keptCursor);
        cut = true;
    }

    QStringList notes;
    if (const QString note = refusedNote(rule, refused); !note.isEmpty())
        notes.append(note);
    if (separators)
        notes.append(noteText(QT_TRANSLATE_NOOP("FieldNotes",
            "Spaces, dashes, dots, slashes and brackets were left out: the camera takes digits only.")));
    if (cut)
        notes.append(
            noteText(QT_TRANSLATE_NOOP("FieldNotes", "At most %1 characters fit here; the rest was left out."))
                .arg(rule.limit));
    return {kept, keptCursor, false, notes.join(u'\n')};
}
