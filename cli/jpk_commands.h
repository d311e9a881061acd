#pragma once
// The structured book from the command line:
// `jpk [--od MM] [--do MM] [--cel 0|1|2] [--urzad KOD] --plik F.xml`, which prints the summary
// of what was written.

class CommandRegistry;

void addJpkCommands(CommandRegistry &registry);
