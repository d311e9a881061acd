#pragma once
// "Sprzedaż" and "Zakupy" invoice by invoice: the positions of each invoice of the working
// month add up per ledger column into one entry (or, with `keepColumnsApart`, one entry per
// position when the invoice spans several columns), keyed so that importing the month again
// updates the same entries. Afterwards the clean-up deletes the entries of invoices that
// are no longer in the registers and keeps entries of other imports and of hand.

#include "imports/import_result.h"

class Progress;
class TDANE;

enum class RegisterKind { Sales, Purchases };

// Runs inside RunImportTransaction, with the import flag set and the register filter set for
// `kind`. Throws when a value or a write fails (reported, or to be reported by the caller).
ImportedEntries ImportInvoices(TDANE &dane, RegisterKind kind, bool keepColumnsApart,
                            Progress &progress);

// Whether an entry whose import key is `key` was made by an invoice import of `kind`, so
// that this kind's clean-up may delete it: "SAM " and "AMOR " keys belong to the vehicle and
// depreciation imports, "*" to the monthly summary, a blank key to the user.
bool MadeByInvoiceImport(const QString &key, RegisterKind kind);
