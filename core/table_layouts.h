#pragma once
// The fields and indexes of every table the program itself creates: a new data root, a
// rebuilt table and the tests all make them from these definitions.

#include "platform/table_definition.h"

#include <QStringList>

TableDef ledgerLayout();          // KSIEGA: ledger entries (K9, K14, K15 are calculated)
TableDef sumsLayout();            // SUMA: 24 monthly and cumulative rows (KW is calculated)
TableDef parameterLayout();       // KSIEGA.DB beside the program: one parameter record
TableDef usersLayout();           // USER
TableDef descriptionsLayout();    // OPISZG: event descriptions
TableDef firmLayout();            // FIRMA: the firm record and the taxpayer records
TableDef contractorsLayout();     // KONTRAHI
TableDef contractorNotesLayout(); // KONTRAHO
TableDef declarationsLayout();    // DPIT5
TableDef constantsLayout();       // STALE

// Calculated fields of the ledger and the sums, declared on their cursors.
QList<FieldDef> ledgerCalculatedFields();
QList<FieldDef> sumsCalculatedFields();

// "Styczeń" .. "Grudzień": the names of the sums rows.
const QStringList &monthNames();
