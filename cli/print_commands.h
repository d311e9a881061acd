#pragma once
// The printing commands of ksiega-cli.
//
//   text-print --wyjscie drukarka|pdf|port|eksport|bw [--plik F]
//              [--kodowanie brak|mazovia|latin|windows] [--tytul T] [--bez-naglowka]
// prints the lines of standard input through the text engine straight to the output.

#include "cli/command_registry.h"

#include <QTextStream>

void addPrintCommands(CommandRegistry &registry);

// text-print with its lines read from `input`.
int runTextPrint(CommandContext &context, QTextStream &input);
