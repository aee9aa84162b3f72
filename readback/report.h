#pragma once

#include "readback/read_back.h"
#include "readback/setting_field.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// How a hidden password and an empty value show.
inline constexpr QLatin1StringView kMaskedPassword{"********"};
inline constexpr QLatin1StringView kEmptyValue{"(empty)"};

struct ReportOptions {
    // Otherwise a password shows as "********", or "(empty)" when there is none.
    bool showPasswords = false;
};

// Every line under its section and group headings.
QString ShowText(const ReadBack &readBack, const QList<SettingLine> &lines, const ReportOptions &options);

// One member per record field, nested as the layouts nest; a listed value is
// {"value", "text"}. "format" names the file and "out_of_range" lists keys.
QJsonObject ShowJson(const ReadBack &readBack, const QList<SettingLine> &lines, const ReportOptions &options);

// "name: old -> new" for each setting that differs, then the offsets of
// differing bytes that no differing setting explains. The custom entries
// count only when both files hold them.
QStringList DiffLines(const ReadBack &from, const ReadBack &to, const ReportOptions &options);

// "name: value (out of range)" for each setting outside its list or range.
QStringList CheckLines(const QList<SettingLine> &lines, const ReportOptions &options);

// What keeps the camera from sending with the file's settings, one a line.
QStringList SendingLines(const ReadBack &readBack);
