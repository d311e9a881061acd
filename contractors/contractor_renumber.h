#pragma once
// Giving a contractor another number ("Zmiana numeru kontrahenta"). A number already in the
// catalogue, the contractor's own included, is refused. The contractor's description moves
// with it; ledger entries keep the number they were written with, as they keep the name.

#include <QString>

class Prompter;
class TDANE;

// `typed` as the five-digit box gives it (blanks are ignored). Afterwards the catalogue is
// in the order and filter state it had, on the same contractor. True when renumbered.
[[nodiscard]] bool RenumberContractor(TDANE &dane, Prompter &prompter, const QString &typed);
