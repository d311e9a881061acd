#pragma once
// What the declaration window's commands do to the declaration cursor: a new declaration
// filled from the current taxpayer and the firm, the import of the ledger's running sums and
// the monthly contributions, save, copy, delete and the closing question. The field rules of
// the data module carry every value assigned here through the form.

#include <QString>

class Prompter;
class TDANE;

enum class NewDeclarationResult {
    Created,        // a new record waits in the cursor, unsaved, for the month check
    OpenTaxpayers,  // there is no taxpayer and the user wants the register
    NoTaxpayer,     // there is no taxpayer and the user declined
};

NewDeclarationResult NewDeclaration(TDANE &dane, Prompter &prompter);
// Asks first; the month and year come from the declaration's `P4`. False when the user
// declined, there is no declaration or the imported amounts could not be saved.
[[nodiscard]] bool ImportLedgerData(TDANE &dane, Prompter &prompter);
// False, after the message, when the declaration could not be saved (the change is dropped).
[[nodiscard]] bool SaveDeclaration(TDANE &dane, Prompter &prompter);
// Saves the current declaration and leaves the cursor on its saved copy. False when there
// is nothing to copy or either save failed; the cursor is then on no new copy.
[[nodiscard]] bool CopyDeclaration(TDANE &dane, Prompter &prompter);
// Asks first; true when the declaration was deleted.
bool DeleteDeclaration(TDANE &dane, Prompter &prompter);
// Closing the window with a change pending: save it or drop it, as the user answers. False
// when the save failed.
[[nodiscard]] bool CloseDeclaration(TDANE &dane, Prompter &prompter);

// The program's title and the firm's short name.
QString DeclarationWindowCaption(TDANE &dane);
// The status panels: the declaration's month and year, and its taxpayer's name.
QString DeclarationPeriodText(TDANE &dane);
QString DeclarationTaxpayerText(TDANE &dane);

// Moves the declaration cursor to the declaration with this `AUTO`; false when there is none.
bool FindDeclaration(TDANE &dane, qint64 autoNumber);
