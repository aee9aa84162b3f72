#pragma once

#include <QCommandLineParser>

// TalmerisSetup's options and description; its manual page is made from them.
void DescribeCommandLine(QCommandLineParser &parser);

// True when the arguments ask for the help or the version, which are
// answered without a display (over ssh, or when the manual is made).
bool AsksForInformation(int argc, const char *const argv[]);
