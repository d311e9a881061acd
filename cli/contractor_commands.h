#pragma once
// Commands of the contractor catalogue.
//
//   contractor add POLE=WARTOŚĆ ...        a contractor with the next number (printed); the
//                                          fields are set in the order given, as leaving
//                                          their boxes sets them (short-name default)
//   contractor edit NR POLE=WARTOŚĆ ...    changes a contractor's fields
//   contractor list [--po NR|NIP|SKROT|MIEJSC]
//   contractor show NR                     every field, the description's too
//   contractor note NR POLE=WARTOŚĆ ...     the contractor's description
//   contractor renumber NR NOWY
//   contractor delete NR                   asks "Usuń rekord" (answer with --answers ok)
//   contractor envelope NR [--pdf PLIK]    the envelope, on the printer or into a PDF file
//   contractor margins [GÓRNY LEWY]        shows or sets the envelope margins (mm)

class CommandRegistry;

void addContractorCommands(CommandRegistry &registry);
