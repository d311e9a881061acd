#pragma once
// What the ledger rules ask of the entry editor while it is open: to show a month in its
// month box. The editor registers itself through `setEntryEditor` (ledger/ledger_rules.h);
// rules run without it too (the command line, imports), and then there is no box to reset.

#include <QString>

class EntryEditorLink {
public:
    virtual ~EntryEditorLink() = default;
    virtual void showMonth(const QString &month) = 0;
};
