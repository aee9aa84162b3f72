#include "cli/profile_command.h"

#include "profile/profile_files.h"
#include "readback/catalogue_report.h"
#include "readback/read_back.h"
#include "readback/report.h"
#include "readback/settings_listing.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>

#include <optional>

namespace {

QString description()
{
    return QStringLiteral(
               "Reads back a settings file written by TalmerisSetup and prints its settings\n"
               "as the dialogs show them, grouped as they are.\n"
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
               "cannot send (check); 2 bad input or usage.")
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
    parser.addOption(json);
    parser.addOption(showPasswords);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("show, diff, check or carriers."),
                                 QStringLiteral("show|diff|check|carriers"));
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("One file; two for diff, none for carriers."),
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
    const qsizetype fileCount = command == QLatin1String("diff") ? 2 : carriers ? 0 : 1;
    if (command != QLatin1String("show") && command != QLatin1String("diff") && command != QLatin1String("check")
        && !carriers)
        return usageError(err, QStringLiteral("unknown command '%1'.").arg(command));
    if (files.size() != fileCount)
        return usageError(
            err, QStringLiteral("%1 takes %2 file(s), %3 given.").arg(command).arg(fileCount).arg(files.size()));
    if (parser.isSet(json) && command != QLatin1String("show") && !carriers)
        return usageError(err, QStringLiteral("--json goes with show and carriers only."));

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
