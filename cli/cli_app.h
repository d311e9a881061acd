#pragma once
// ksiega-cli from its arguments to its exit code, with the streams given so that tests
// can run it in-process.

#include "cli/command_registry.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// args without the program name; returns a CliExitCode.
int runCli(const QStringList &args, QTextStream &out, QTextStream &err);
int runCli(const QStringList &args, QTextStream &out, QTextStream &err,
           const CommandRegistry &commands);

// "ksiega-cli (<program name>) <version>"
QString cliVersionLine();
QString cliUsage(const CommandRegistry &commands);
