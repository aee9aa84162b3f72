#pragma once

#include "settings/tip.h"
#include "settings/typed_text.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>

#include <cstddef>
#include <functional>

// Where a stored value lies in the layout its row belongs to, and where a
// byte is shared, its bits.
struct RecordPlace {
    QString key; // the field's name, "send_mode.instant" for bits of one
    std::size_t offset = 0;
    std::size_t width = 1; // bytes: 1 or 2 for a number, the field's room for a text
    int shift = 0;
    int mask = 0xFFFF;

    // The same place inside a layout that embeds this one at `outer`.
    RecordPlace in(const QString &outerKey, std::size_t outerOffset) const;
    // The number in the layout's bytes, and the low byte or word of a value into them.
    int read(const void *layout) const;
    void write(void *layout, int value) const;
};

// Declares the place of a layout's field; the key is the member's own name, so
// keys cannot drift from the layout.
#define TALMERIS_PLACE(Layout, member) \
    RecordPlace{QStringLiteral(#member), offsetof(Layout, member), sizeof(Layout::member)}

enum class SettingKind {
    Choice,     // an item of a list: its position is the stored number
    Number,     // a number below the row's count
    TwoDigits,  // a number shown in two digits, as an hour
    Time,       // an hour and its minute
    Days,       // a work-time window's day bits
    Text,
    Secret,     // a password: a text shown masked
    Address,    // an IPv4 address kept as its dotted text
    SecureType, // 0x40 plus an item's position
    Operator,   // a position among the chosen country's operators
    Check,      // a box a window keeps for itself, on or off; never stored
};

// One stored setting: where it lies, what it holds, how its window shows it.
// Texts are made in the language installed now each time they are read.
struct SettingRow {
    SettingKind kind = SettingKind::Choice;
    QVarLengthArray<RecordPlace, 2> places; // a time's hour and minute; an address and its local part
    std::function<QString()> label;
    std::function<QStringList()> items; // a choice's
    int count = 0;                      // a number's bound: its values lie below it
    int defaultValue = 0;
    // "Default All" puts the default into the record; the others keep their bytes then.
    bool recordDefault = true;
    // Stored only once the window's checks pass; the others stay stored when one fails.
    bool afterChecks = false;
    Tip tip;
    QString objectName;
    // An edit field's: what it takes of what is typed or pasted.
    TypedTextRule typing;
    // Shown beside the control, and read with its tip.
    std::function<QString()> hint;
    // The visible label where the label is the control's full name ("Start" for "SMS Work Time Start").
    std::function<QString()> shortLabel;
    // An edit runs the window's rules at once; other texts are read at the next step.
    bool followsTyping = false;
    bool radios = false; // a choice shown as radio buttons

    const QString &key() const { return places.first().key; }
    const RecordPlace &place() const { return places.first(); }
    QStringList itemTexts() const { return items ? items() : QStringList(); }
    int itemCount() const { return int(itemTexts().size()); }
    // A secret's text is masked; a text's room less its end mark.
    bool isText() const
    {
        return kind == SettingKind::Text || kind == SettingKind::Secret || kind == SettingKind::Address;
    }
};

// A window's group box and the settings it holds.
struct SettingGroup {
    QString key; // names the group the same in every language
    std::function<QString()> title;
    QList<SettingRow> rows;
};

// A text marked with QT_TRANSLATE_NOOP, translated when it is read.
std::function<QString()> Translated(const char *context, const char *source);
