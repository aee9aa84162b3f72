#pragma once

#include <QCommandLineParser>

// TalmerisSetup's options and description; its manual page is made from them.
void DescribeCommandLine(QCommandLineParser &parser);

// True when the arguments ask for the help or the version, which are
// answered without a display (over ssh, or when the manual is made).
bool AsksForInformation(int argc, const char *const argv[]);

// Prints the help or the version asked for, or what is wrong with the
// arguments, as QCommandLineParser::process() would; returns the exit status.
// Unlike it, prints into a Windows console in UTF-16-safe form, not through a
// message box or the ANSI code page.
int AnswerInformation(QCommandLineParser &parser, const QStringList &arguments);
