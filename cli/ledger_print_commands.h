#pragma once
// The ledger's printouts from the command line, each into a PDF file:
//
//   --miesiac MM print ledger [--strona 1|2] [--od N] --plik F.pdf
//       one half as its preview shows it, or without --strona the whole "Wydruk księgi":
//       half 1, the question between the halves (from --answers), half 2 on Yes. --od is the
//       number typed in the page numbering dialog. Prints "Strony: A–B".
//   print title --plik F.pdf
//   print statement [POLE=WARTOŚĆ ...] --plik F.pdf

class CommandRegistry;

void addLedgerPrintCommands(CommandRegistry &registry);
