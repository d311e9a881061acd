#pragma once
// The taxpayers register: what its window's buttons and the command line do to the taxpayer
// view. Numbering and the check after a save are rules of the view itself, so every way of
// saving a taxpayer gets them.

#include <QString>

class Prompter;
class TDANE;

bool HasTaxpayers(TDANE &dane);
// "Nowy": a record named "Nowy" with number 0, numbered after the last taxpayer on save.
void NewTaxpayer(TDANE &dane);
// An insert started from the navigator: number 0, numbered on save like "Nowy".
void InsertTaxpayer(TDANE &dane);
// False, after the message, when the taxpayer could not be saved (the change is dropped).
[[nodiscard]] bool SaveTaxpayer(TDANE &dane, Prompter &prompter);
// Asks first; true when the taxpayer was deleted.
bool DeleteTaxpayer(TDANE &dane, Prompter &prompter);
// Closing the register with a change pending: save it or drop it, as the user answers.
// False when a change to be saved could not be.
[[nodiscard]] bool CloseTaxpayerRegister(TDANE &dane, Prompter &prompter);

// Moves the taxpayer view to the taxpayer with this number; false when there is none.
bool FindTaxpayer(TDANE &dane, int number);
// Moves the taxpayer view to the taxpayer whose NIP has these digits, dashes and blanks
// aside; false, and the view where it was, when there is none.
bool FindTaxpayerByNip(TDANE &dane, const QString &nip);
