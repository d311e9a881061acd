#include "imports/import_start.h"

#include "core/data_module.h"
#include "core/table_access.h"
#include "ledger/ledger_rules.h"
#include "ledger/month_view.h"
#include "ledger/table_guards.h"
#include "platform/prompter.h"

namespace {

const QString KeyOrder = QStringLiteral("NRKOMPinx");
const QString BookOrder = QStringLiteral("LPinx");

} // namespace

std::optional<ImportResult> ImportStartRefusal(TDANE &dane)
{
    Prompter &prompter = dane.prompter();
    if (!SaveTable(dane.TKSIEGA, prompter))
        return ImportResult{ImportOutcome::Failed, {}};
    const QString &month = dane.environment().workingMonth;
    const QString refusal = showsAllMonths(dane)          ? ChooseMonthText
                            : monthIsPosted(dane, month) ? ClosedMonthText
                                                         : QString();
    if (refusal.isEmpty())
        return std::nullopt;
    prompter.warn(refusal);
    return ImportResult{ImportOutcome::Refused, {}};
}

bool ConfirmImport(TDANE &dane, const QString &program, const QString &subject)
{
    const WorkingEnvironment &environment = dane.environment();
    const QString question = QStringLiteral("Import z programu \"%1\"\r%2 za miesiąc : %3.%4")
                                 .arg(program, subject, environment.workingMonth,
                                      environment.workingYear);
    return dane.prompter().ask(MessageIcon::Question, question, MessageButtons::OkAbort)
           == Answer::Ok;
}

void ReportUnopenedImportTable(Prompter &prompter, const Cursor &table)
{
    prompter.error(QStringLiteral("Bład otwarcia bazy imoprtu.\rBaza : ") + table.tablePath());
}

bool HasImportFields(const Cursor &table, const QString &tableName, const QStringList &fields,
                     Prompter &prompter)
{
    for (const QString &field : fields) {
        if (table.hasField(field))
            continue;
        prompter.error(QStringLiteral("Tabela %1 nie ma pola %2, którego potrzebuje import.\r"
                                      "Nic nie zaimportowano.\rBaza : %3")
                           .arg(tableName, field, table.tablePath()));
        return false;
    }
    return true;
}

ImportWalk::ImportWalk(TDANE &dane) : dane_(dane)
{
    Cursor &ledger = dane.TKSIEGA;
    ledger.disableControls();
    try {
        ledger.setFiltered(false);
        ledger.setIndexName(KeyOrder);
    } catch (...) {
        ledger.enableControls();
        throw;
    }
}

ImportWalk::~ImportWalk()
{
    Cursor &ledger = dane_.TKSIEGA;
    try {
        if (ledger.isEditing())
            ledger.cancel();
        ledger.cancelRange();
        ledger.setIndexName(BookOrder);
        SelectWorkingMonth(dane_, dane_.environment().workingMonth);
    } catch (const DbError &) {
        // The walk's own failure has been reported; the view is rebuilt on the next month
        // chosen, and a destructor has nobody to tell.
    }
    ledger.enableControls();
}

EntryNumbers::EntryNumbers(TDANE &dane) : next_(NUMER(dane))
{
    dane.TKSIEGA.setIndexName(KeyOrder);
}

void SaveImportedEntry(TDANE &dane)
{
    if (!SaveTable(dane.TKSIEGA, dane.prompter()))
        throw ReportedImportFailure{};
}

ImportResult RunImportTransaction(TDANE &dane, const std::function<ImportedEntries()> &walk)
{
    try {
        const ImportWalk order(dane);
        TableTransaction transaction(dane.TKSIEGA);
        const ImportedEntries counts = walk();
        transaction.commit();
        return {ImportOutcome::Imported, counts};
    } catch (const ReportedImportFailure &) {
    } catch (const DbError &failure) {
        dane.prompter().error(failure.message());
    }
    return {ImportOutcome::Failed, {}};
}
