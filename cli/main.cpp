#include "cli/profile_command.h"
#include "platform/console.h"
#include "profile/version.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    const Utf8Console console;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("talmeris-profile"));
    QCoreApplication::setApplicationVersion(VersionText());
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunProfileCommand(QCoreApplication::arguments(), out, err);
}
