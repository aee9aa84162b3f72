#pragma once

#include "settings/setting_row.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>

// Where a stored value lies and what it holds: the same in every file.
struct FieldShape {
    QString key;          // the field's name, "work_time_1.start_hour" inside an embedded layout
    qsizetype offset = 0; // record offset; the custom entries lie at their working copy offsets
    qsizetype size = 0;
    bool listed = false; // the number picks an item of a list
    bool text = false;
    bool secret = false;
    const SettingRow *row = nullptr; // the setting it belongs to
    qsizetype place = 0;             // which of the row's places it is
    QStringList items;               // a listed number's, made once
    int count = 0;                   // an unlisted number's bound
};

// One stored value as a file holds it. Every file read back fills some two
// hundred of these, so the number and the text are plain members, and what
// every file shares is pointed to, never copied.
struct SettingField {
    const FieldShape *shape = nullptr;
    int number = 0; // a number's value
    QString text;   // a text's value
    QString item;   // a listed number's item text; empty when out of range
    bool inRange = true;

    const QString &key() const { return shape->key; }
    bool isText() const { return shape->text; }
    bool sameValue(const SettingField &other) const
    {
        return shape == other.shape && number == other.number && text == other.text;
    }
};

// A line's groups and label, the same in every file.
struct LineShape {
    QStringList groups; // the section, then the group boxes
    int group = 0;      // the same for the lines of one group, and only for them
    QString label;
    QString name; // groups and label with " / " between: names the line in diff and check
    QVarLengthArray<FieldShape, 2> fields;
};

// One line of a read-back file: a label and its value as the dialogs show it.
struct SettingLine {
    const LineShape *shape = nullptr;
    QString text;        // passwords in clear
    bool marked = false; // what the text shows is out of range: shown with kOutOfRangeMark
    // A line shows one field, or two (a time, an address): held in place.
    QVarLengthArray<SettingField, 2> fields;

    const QStringList &groups() const { return shape->groups; }
    const QString &label() const { return shape->label; }
    const QString &name() const { return shape->name; }
    bool inRange() const;
    bool secret() const;
};

// Follows a value that lies outside its list or range.
inline constexpr QLatin1StringView kOutOfRangeMark{" (out of range)"};
