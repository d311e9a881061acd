#pragma once
// What every import does before and around its walk over the ledger: the refusals of a
// month that cannot take entries, the question naming the companion program and the month,
// the missing-field check of a companion table, and the ledger's walk order.

#include "imports/import_result.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Cursor;
class Prompter;
class TDANE;

inline const QString ClosedMonthText = QStringLiteral("Miesiąc zamkniety.\rBrak możliwości importu.");
// "Wszystkie" is shown: the month "13" would reach the keys and the entries.
inline const QString ChooseMonthText = QStringLiteral("Wybierz miesiąc importu.");
// The progress window's title for a register being read, before the register's name.
inline const QString SalesRegisterProgressText = QStringLiteral("Import sprzdaży rejestr : ");
inline const QString PurchaseRegisterProgressText = QStringLiteral("Import zakupów rejestr : ");

// Saves the entry being edited and checks that the working month can take entries: the
// result to end the import with (the failure or refusal shown), or nothing to go on.
std::optional<ImportResult> ImportStartRefusal(TDANE &dane);

// "Import z programu \"ZIVEDEZ\"\rSprzedaż za miesiąc : 05.2019" with OK and Abort; true on OK.
bool ConfirmImport(TDANE &dane, const QString &program, const QString &subject);

// "Bład otwarcia bazy imoprtu.\rBaza : " + the table's file, as an error.
void ReportUnopenedImportTable(Prompter &prompter, const Cursor &table);

// Reports, naming table and field, the first of `fields` that `table` lacks; true when it has
// them all. A companion program's table may hold any other columns in any order.
bool HasImportFields(const Cursor &table, const QString &tableName, const QStringList &fields,
                     Prompter &prompter);

// The ledger as an import walks it, for as long as this lives: the view frozen, the month
// filter off, in import-key order. At the end, however the walk ended, an entry left half
// written is dropped and the book order and the working month's view come back.
class ImportWalk {
public:
    explicit ImportWalk(TDANE &dane);
    ~ImportWalk();
    ImportWalk(const ImportWalk &) = delete;
    ImportWalk &operator=(const ImportWalk &) = delete;

private:
    TDANE &dane_;
};

// The next free entry numbers, found once: `TDANE::NUMER` would put the ledger back into
// book order for every new entry of a walk that needs it in import-key order.
class EntryNumbers {
public:
    explicit EntryNumbers(TDANE &dane);
    int next() { return next_++; }

private:
    int next_;
};

// A failure that has been shown to the user already: the import only has to stop, and its
// transaction is undone.
struct ReportedImportFailure {};

// Saves the entry being written ("Błąd zapisu" when that fails) or throws
// ReportedImportFailure.
void SaveImportedEntry(TDANE &dane);

// Runs `walk` over the ledger in import-key order (ImportWalk) inside one transaction, which
// is committed when the walk returns and undone when it throws: a failed write or value, shown
// to the user, leaves the ledger as it was before the import.
ImportResult RunImportTransaction(TDANE &dane, const std::function<ImportedEntries()> &walk);
