#pragma once
// Month posting and the sums from the command line, run as the ledger window runs them:
//
//   post MM          "Księgowanie miesiąca" (the numbering question answered by --answers)
//   unpost MM        "Odksięgowanie miesiąca"
//   post-current     "Księgowanie bieżące"
//   summary [--narastajaco] [--wydruk eksport|bw|pdf --plik F]
//                    the rows of "Zestawienie zbiorcze" with KW and W1..W3, or their printout
//   delete-all       "Kasowanie danych demonstracyjnych" (two questions)

class CommandRegistry;

void addPostingCommands(CommandRegistry &registry);
