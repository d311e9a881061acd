#pragma once
// The contractors' descriptions (KONTRAHO): one optional record per contractor, found by
// its number. The table may be missing; the catalogue then works without descriptions.

#include <QString>
#include <QStringList>

class Prompter;
class TDANE;

// The choices of "Województwo", in the order the list shows them; other text may be typed.
const QStringList &ContractorProvinces();

// The description fields a user fills, in the order of the description window.
const QStringList &ContractorNoteFields();

// Closes the description table and opens it again from the working year's FIN directory,
// as the catalogue does each time it is shown. False when it cannot be opened.
[[nodiscard]] bool ReopenContractorNotes(TDANE &dane, Prompter &prompter);

// While a description is being looked at or typed, the description table follows the
// catalogue's current contractor, and a description typed for a contractor who has none
// becomes his (it takes his number). Ending the link saves what was typed.
void LinkContractorNotes(TDANE &dane);
// False, after the message, when what was typed could not be saved.
[[nodiscard]] bool UnlinkContractorNotes(TDANE &dane, Prompter &prompter);
