#pragma once
// The entry editor's contractor: looked up in the catalogue by the number or the NIP typed
// into the entry, copied from the contractor chosen in the catalogue, or written from the
// entry back into the catalogue.

#include <QString>

class TDANE;

enum class ContractorKey { Number, Nip };

// Leaving the number or NIP box: finds the contractor whose number (primary order) or NIP
// (order "Ninx") equals the text and copies it into the entry. A blank box, a number that
// is not one, or no such contractor changes nothing and says nothing. True when copied.
bool LookUpEntryContractor(TDANE &dane, ContractorKey key, const QString &typed);

// The contractor cursor's current contractor into the entry being written: number, names,
// address and NIP.
void CopyContractorToEntry(TDANE &dane);

// "Zapisz w Katalogu Kontrahentów": the entry's contractor overwrites the catalogue's
// contractor of the entry's number, or becomes a new contractor numbered after the last;
// the entry then carries that number (and is saved when it changes). True when written.
[[nodiscard]] bool SaveEntryContractor(TDANE &dane);
