#pragma once
// Years of the data root.
//
//   year open RRRR [--z RRRR] [--katalog KATALOG]   opens the year RRRR from the working year
//                                                   (or --z) in the data root (or --katalog),
//                                                   printing each step; the question when the
//                                                   year directory exists is answered from
//                                                   --answers
//   year list                                       the known years, one a line
//
// The working year itself is chosen with --rok.

class CommandRegistry;

void addYearCommands(CommandRegistry &registry);
