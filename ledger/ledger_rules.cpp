#include "ledger/ledger_rules.h"

#include "core/data_module.h"
#include "core/ksef_number.h"
#include "core/number_format.h"
#include "core/table_access.h"
#include "core/table_layouts.h"
#include "ledger/entry_editor_link.h"
#include "platform/prompter.h"

namespace {

const QString LedgerOrder = QStringLiteral("LPinx");

struct LedgerRulesState : SubsystemState {
    EntryEditorLink *entryEditor = nullptr;
};

// "00".."13" in plain text comparison, as the month box and the imports write them.
bool validMonthCode(const QString &month)
{
    return month >= QLatin1String("00") && month <= QLatin1String("13");
}

Money amount(Cursor &table, const QString &name)
{
    return table.field(name).asCurrency();
}

void TKSIEGAMCChange(TDANE &dane, Field month)
{
    const WorkingEnvironment &environment = dane.environment();
    EntryEditorLink *editor = dane.subsystemState<LedgerRulesState>().entryEditor;
    const QString code = month.asString();
    if (!validMonthCode(code) && editor) {
        // Setting the working month runs this hook again, which warns if that month is posted.
        month.setAsString(environment.workingMonth);
        editor->showMonth(environment.workingMonth);
        return;
    }
    if (monthIsPosted(dane, month.asString())) {
        dane.prompter().warn(QStringLiteral("Miesiąc zamkniety."));
        if (editor)
            editor->showMonth(environment.workingMonth);
    }
}

// Only amounts another program wrote beyond the typed range can overflow a calculated field.
// The names are literals: the calculation runs for every record read.
template <class Calculation>
void setCalculated(Cursor &table, const QString &name, const QString &result, Calculation calculation)
{
    table.field(name).setCurrency(CalculatedAmount(result, calculation));
}

void TKSIEGACalcFields(Cursor &ledger)
{
    setCalculated(ledger, QStringLiteral("K9"), QStringLiteral("pola K9"), [&] {
        return amount(ledger, QStringLiteral("K7")) + amount(ledger, QStringLiteral("K8"));
    });
    setCalculated(ledger, QStringLiteral("K14"), QStringLiteral("pola K14"), [&] {
        return amount(ledger, QStringLiteral("K12")) + amount(ledger, QStringLiteral("K13"));
    });
}

bool TKSIEGAFilterRecord(const TDANE &dane, Cursor &ledger)
{
    return ledger.field(QStringLiteral("MC")).asString() == dane.environment().workingMonth;
}

void ZKSIEGAStateChange(TDANE &dane, Cursor &ledger, Cursor::State previous)
{
    Q_UNUSED(previous);
    if (dane.environment().importInProgress)
        return;
    if (ledger.state() == Cursor::State::Insert) {
        ledger.field(QStringLiteral("DATA")).setAsString(dane.environment().today);
    } else if (ledger.state() == Cursor::State::Edit
               && !RemoveSpaces(ledger.field(QStringLiteral("NRKOMP")).asString()).isEmpty()) {
        const QString question = QStringLiteral(
            "Zmiana zapisu komputerowego powstałego z importu danych z programu ZIVEDEZ.\r"
            "Jeżeli zmiana dotycz pól innych niż opis zdarzenia gospodarczego\r"
            "to przy ponownym imporcie zostaną zmienione na zgodne z rejesrtem faktur.\r"
            "Dodatkowe informacje pod klawiszem \"F1\"\r"
            "Czy przerwać edycję ?");
        if (dane.prompter().confirm(question))
            ledger.cancel();
    }
}

void TSUMACalcFields(Cursor &sums)
{
    setCalculated(sums, QStringLiteral("KW"), QStringLiteral("pola KW"), [&] {
        return amount(sums, QStringLiteral("K9")) - amount(sums, QStringLiteral("K10"))
               - amount(sums, QStringLiteral("K11")) - amount(sums, QStringLiteral("K14"));
    });
}

// Whoever writes the entry, a KSeF number is kept in its 35-character form and a wrong one
// is never written; the editor and the command line refuse it in so many words before.
void storeKsefNumber(Cursor &ledger)
{
    const QString name = QStringLiteral("KSEF");
    if (!ledger.hasField(name))
        return;
    Field number = ledger.field(name);
    const QString typed = number.asString();
    const std::optional<QString> stored = StoredKsefNumber(typed);
    if (!stored)
        throw DbError(WrongKsefNumberText);
    if (*stored != typed)
        number.setAsString(*stored);
}

} // namespace

void installLedgerRules(TDANE &dane)
{
    Cursor &ledger = dane.TKSIEGA;
    for (const FieldDef &field : ledgerCalculatedFields())
        ledger.addCalculatedField(field);
    ledger.setIndexName(LedgerOrder);
    ledger.setBeforePost([&dane](Cursor &entry) { TKSIEGABeforePost(dane, entry); });
    ledger.setFieldChange(QStringLiteral("MC"), [&dane](Field month) { TKSIEGAMCChange(dane, month); });
    ledger.setCalcFields(TKSIEGACalcFields);
    ledger.setFilterHook([&dane](Cursor &entry) { return TKSIEGAFilterRecord(dane, entry); },
                         [&dane] {
                             return QList<QPair<QString, QVariant>>{
                                 {QStringLiteral("MC"), dane.environment().workingMonth}};
                         });
    ledger.setStateChange([&dane](Cursor &entry, Cursor::State previous) {
        ZKSIEGAStateChange(dane, entry, previous);
    });

    for (const FieldDef &field : sumsCalculatedFields())
        dane.TSUMA.addCalculatedField(field);
    dane.TSUMA.setCalcFields(TSUMACalcFields);
}

bool monthIsPosted(const TDANE &dane, const QString &month)
{
    bool ok = false;
    const int number = month.toInt(&ok);
    // "00" and "13" have no sums row: they are never closed.
    return ok && number >= 1 && number <= 12 && dane.environment().monthPosted[number];
}

int NUMER(TDANE &dane)
{
    Cursor &ledger = dane.TKSIEGA;
    SaveInRule(ledger);
    if (ledger.indexName() != LedgerOrder)
        ledger.setIndexName(LedgerOrder);
    // One above the highest number anywhere in the year: the book order puts month "13"
    // last, so its last record is not always the highest number.
    return int(ledger.maximum(QStringLiteral("LP")).toLongLong()) + 1;
}

void TKSIEGABeforePost(TDANE &dane, Cursor &ledger)
{
    ledger.field(QStringLiteral("NAZWISKO")).setAsString(dane.environment().userName);
    const Field month = ledger.field(QStringLiteral("MC"));
    if (!validMonthCode(month.asString()))
        ledger.field(QStringLiteral("MC")).setAsString(QStringLiteral("13"));
    storeKsefNumber(ledger);
}

void setEntryEditor(TDANE &dane, EntryEditorLink *editor)
{
    dane.subsystemState<LedgerRulesState>().entryEditor = editor;
}
