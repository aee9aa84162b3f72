#pragma once

#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

// One stored value: its record field, what it holds and where its bytes lie.
struct SettingField {
    QString key;          // the field's name, "work_time_1.start_hour" inside an embedded layout
    QJsonValue value;     // the stored number or text
    bool listed = false;  // the number picks an item of a list
    QString item;         // that item's text; empty when out of range
    bool inRange = true;
    bool secret = false;
    qsizetype offset = 0; // record offset; the custom entries lie at their working copy offsets
    qsizetype size = 0;
};

// One line of a read-back file: a label and its value as the dialogs show it.
struct SettingLine {
    QStringList groups; // the section, then the group boxes
    QString label;
    QString text;       // passwords in clear
    QList<SettingField> fields;

    bool inRange() const;
    bool secret() const;
    // Groups and label with " / " between: names the line in diff and check.
    QString name() const;
};

// Appended to a value that lies outside its list or range.
QString OutOfRangeText(const QString &shown);
