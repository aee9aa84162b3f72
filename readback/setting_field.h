#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>
#include <QVariant>

// One stored value: its record field, what it holds and where its bytes lie.
struct SettingField {
    bool isText() const { return value.typeId() == QMetaType::QString; }

    QString key; // the field's name, "work_time_1.start_hour" inside an embedded layout
    // The stored number (int) or text (QString); not a JSON value, whose texts
    // each cost allocations a read-back makes hundreds of times per file.
    QVariant value;
    QString item;         // that item's text; empty when out of range
    qsizetype offset = 0; // record offset; the custom entries lie at their working copy offsets
    qsizetype size = 0;
    bool listed = false; // the number picks an item of a list
    bool inRange = true;
    bool secret = false;
};

// One line of a read-back file: a label and its value as the dialogs show it.
struct SettingLine {
    QStringList groups; // the section, then the group boxes
    QString label;
    QString text;       // passwords in clear
    // A line shows one field, or two (a time, an address): held in place, not
    // allocated, as every file read back lists some two hundred lines.
    QVarLengthArray<SettingField, 2> fields;

    bool inRange() const;
    bool secret() const;
    // Groups and label with " / " between: names the line in diff and check.
    QString name() const;
};

// Appended to a value that lies outside its list or range.
QString OutOfRangeText(const QString &shown);
