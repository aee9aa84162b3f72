#include "cli/profile_command.h"

#include "profile/profile_files.h"
#include "profile/settings_copies.h"
#include "readback/catalogue_report.h"
#include "readback/read_back.h"
#include "readback/report.h"
#include "readback/settings_document.h"
#include "readback/settings_json_schema.h"
#include "readback/settings_listing.h"
#include "settings/sending_problems.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#include <optional>

namespace {

QString description()
{
    return QStringLiteral(
               "Reads back a settings file written by TalmerisSetup and prints its settings\n"
               "as the dialogs show them, grouped as they are; writes a card's PROFILE.BIN\n"
               "from settings given as text.\n"
               "\n"
               "Commands:\n"
               "  show FILE    every setting; with --json one JSON object keyed by the\n"
               "               record's field names\n"
               "  diff A B     the settings that differ, one a line: \"name: A -> B\"\n"
               "  check FILE   the settings whose value lies outside its list or range, and\n"
               "               what keeps the camera from sending (an empty sender\n"
               "               account or operator parameter)\n"
               "  carriers     the built-in countries and operators with every parameter the\n"
               "               tool writes for them; with --json one JSON object\n"
               "  write SETTINGS FOLDER\n"
               "               writes FOLDER/PROFILE.BIN from SETTINGS: a JSON document as show\n"
               "               --json prints it (an item by its text or {\"value\": N}), a\n"
               "               PROFILE.BIN or a working copy; - reads standard input. Each\n"
               "               --set KEY=VALUE changes one setting on top. The values pass the\n"
               "               windows' checks in the windows' order; settings the camera cannot\n"
               "               send with are refused unless --anyway is given\n"
               "  schema       a JSON Schema (draft 2020-12) of the settings document\n"
               "\n"
               "FILE is a PROFILE.BIN (%1 bytes) or a working copy (%2 bytes), told apart by\n"
               "size. Both hold the chosen country and operator; the operator is named from\n"
               "the built-in catalogue. Only a working copy holds the custom operator\n"
               "entries: show lists them, and diff compares them when both files are working\n"
               "copies. diff also names bytes outside the settings that differ.\n"
               "\n"
               "Passwords show as ******** (or (empty)) unless --show-passwords is given;\n"
               "--json follows the same rule.\n"
               "\n"
               "Exit status: 0 done, files equal, all values in range and the camera can\n"
               "send; 1 the files differ (diff), or a value is out of range or the camera\n"
               "cannot send (check, write); 2 bad input or usage, a setting a window refuses,\n"
               "or a card that cannot be written.")
        .arg(kProfileFileSize)
        .arg(kWorkingCopySize);
}

int usageError(QTextStream &err, const QString &message)
{
    err << QCoreApplication::applicationName() << ": " << message << '\n'
        << "Try '" << QCoreApplication::applicationName() << " --help'.\n";
    return ExitStatus::kBadInput;
}

std::optional<ReadBack> readOrReport(const QString &path, QTextStream &err)
{
    ReadBackResult result = ReadBackFile(path);
    if (const auto *error = std::get_if<ReadBackError>(&result)) {
        err << QCoreApplication::applicationName() << ": " << error->message() << '\n';
        return std::nullopt;
    }
    return std::get<ReadBack>(std::move(result));
}

// The settings to write: a file's bytes, or standard input's for "-".
std::optional<QByteArray> readSettings(const QString &path, QTextStream &err)
{
    QFile file;
    const bool opened = path == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                    : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened || QFileInfo(file).isDir()) {
        err << QCoreApplication::applicationName() << ": " << path << ": cannot be read\n";
        return std::nullopt;
    }
    return file.readAll();
}

int reportProblems(const QList<DocumentProblem> &problems, QTextStream &err)
{
    for (const DocumentProblem &problem : problems)
        err << QCoreApplication::applicationName() << ": " << problem.message() << '\n';
    err << QCoreApplication::applicationName() << ": nothing was written\n";
    return ExitStatus::kBadInput;
}

int writeSettings(const QString &source, const QString &folder, const QStringList &sets, bool anyway,
                  QTextStream &out, QTextStream &err)
{
    const std::optional<QByteArray> bytes = readSettings(source, err);
    if (!bytes)
        return ExitStatus::kBadInput;
    auto read = ReadSettingsDocument(*bytes);
    if (const auto *problems = std::get_if<QList<DocumentProblem>>(&read))
        return reportProblems(*problems, err);
    SettingsDocument &document = std::get<SettingsDocument>(read);
    for (const QString &assignment : sets)
        if (const auto problem = SetInDocument(document, assignment))
            return reportProblems({*problem}, err);

    ProfileSession session;
    session.currentArea = kStartupArea;
    if (const QList<DocumentProblem> problems = BuildSettings(document, session); !problems.isEmpty())
        return reportProblems(problems, err);
    if (const QStringList problems = SendingProblems(session.record); !problems.isEmpty() && !anyway) {
        err << QCoreApplication::applicationName() << ": the camera cannot send with these settings:\n";
        for (const QString &problem : problems)
            err << problem << '\n';
        err << QCoreApplication::applicationName() << ": nothing was written; --anyway writes it all the same\n";
        return ExitStatus::kFound;
    }
    if (const auto error = SaveProfileFile(folder, session.record)) {
        err << QCoreApplication::applicationName() << ": " << error->message() << '\n';
        return ExitStatus::kBadInput;
    }
    out << "PROFILE.BIN has been saved in " << folder << '\n';
    return ExitStatus::kOk;
}

// Prints the lines; the status says whether there were any.
int printFindings(const QStringList &lines, QTextStream &out)
{
    for (const QString &line : lines)
        out << line << '\n';
    return lines.isEmpty() ? ExitStatus::kOk : ExitStatus::kFound;
}

} // namespace

int RunProfileCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("show, carriers: print one JSON object."));
    const QCommandLineOption showPasswords(QStringLiteral("show-passwords"),
                                           QStringLiteral("Print passwords in clear, not as ********."));
    const QCommandLineOption set(QStringLiteral("set"), QStringLiteral("write: change one setting, KEY=VALUE."),
                                 QStringLiteral("KEY=VALUE"));
    const QCommandLineOption anyway(QStringLiteral("anyway"),
                                    QStringLiteral("write: write settings the camera cannot send with."));
    parser.addOption(json);
    parser.addOption(showPasswords);
    parser.addOption(set);
    parser.addOption(anyway);
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("show, diff, check, carriers, write or schema."),
                                 QStringLiteral("show|diff|check|carriers|write|schema"));
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QStringLiteral("One file; two for diff; SETTINGS FOLDER for write; none for "
                                                "carriers and schema."),
                                 QStringLiteral("FILE [FILE]"));

    if (!parser.parse(arguments))
        return usageError(err, parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        out << parser.helpText();
        return ExitStatus::kOk;
    }
    if (parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
        return ExitStatus::kOk;
    }

    QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        return usageError(err, QStringLiteral("no command given."));
    const QString command = files.takeFirst();
    const bool carriers = command == QLatin1String("carriers");
    const bool write = command == QLatin1String("write");
    const bool schema = command == QLatin1String("schema");
    const qsizetype fileCount = command == QLatin1String("diff") || write ? 2 : carriers || schema ? 0 : 1;
    if (command != QLatin1String("show") && command != QLatin1String("diff") && command != QLatin1String("check")
        && !carriers && !write && !schema)
        return usageError(err, QStringLiteral("unknown command '%1'.").arg(command));
    if (files.size() != fileCount)
        return usageError(
            err, QStringLiteral("%1 takes %2 file(s), %3 given.").arg(command).arg(fileCount).arg(files.size()));
    if (parser.isSet(json) && command != QLatin1String("show") && !carriers)
        return usageError(err, QStringLiteral("--json goes with show and carriers only."));
    if ((parser.isSet(set) || parser.isSet(anyway)) && !write)
        return usageError(err, QStringLiteral("--set and --anyway go with write only."));
    if (write)
        return writeSettings(files.at(0), files.at(1), parser.values(set), parser.isSet(anyway), out, err);
    if (schema) {
        out << QJsonDocument(SettingsJsonSchema()).toJson(QJsonDocument::Indented);
        return ExitStatus::kOk;
    }

    const ReportOptions options{.showPasswords = parser.isSet(showPasswords)};
    if (carriers) {
        if (parser.isSet(json))
            out << QJsonDocument(CatalogueJson(options)).toJson(QJsonDocument::Indented);
        else
            out << CatalogueText(options);
        return ExitStatus::kOk;
    }
    const std::optional<ReadBack> first = readOrReport(files.at(0), err);
    if (!first)
        return ExitStatus::kBadInput;

    if (command == QLatin1String("diff")) {
        const std::optional<ReadBack> second = readOrReport(files.at(1), err);
        if (!second)
            return ExitStatus::kBadInput;
        return printFindings(DiffLines(*first, *second, options), out);
    }

    const QList<SettingLine> lines = ListSettings(*first);
    if (command == QLatin1String("check"))
        return printFindings(CheckLines(lines, options) + SendingLines(*first), out);
    if (parser.isSet(json))
        out << QJsonDocument(ShowJson(*first, lines, options)).toJson(QJsonDocument::Indented);
    else
        out << ShowText(*first, lines, options);
    return ExitStatus::kOk;
}
