// The rules every ledger entry obeys, whoever writes it: numbering, month codes, the user
// stamp, the computed totals, the month view's filter, the date of a new entry and the
// warning before an imported entry is changed. Also the filters of the invoicing program's
// tables that the register import reads.

#include "core/data_module.h"

#include "core/entry_editor_link.h"
#include "core/number_format.h"
#include "core/table_access.h"
#include "platform/prompter.h"

namespace {

const QString LedgerOrder = QStringLiteral("LPinx");

// "00".."13" in plain text comparison, as the month box and the imports write them.
bool validMonthCode(const QString &month)
{
    return month >= QLatin1String("00") && month <= QLatin1String("13");
}

Money amount(Cursor &ledger, const QString &name)
{
    return ledger.field(name).asCurrency();
}

} // namespace

void TDANE::installLedgerRules()
{
    TKSIEGA.setBeforePost([this](Cursor &ledger) { TKSIEGABeforePost(ledger); });
    TKSIEGA.setFieldChange(QStringLiteral("MC"), [this](Field month) { TKSIEGAMCChange(month); });
    TKSIEGA.setCalcFields([this](Cursor &ledger) { TKSIEGACalcFields(ledger); });
    TKSIEGA.setFilterHook([this](Cursor &ledger) { return TKSIEGAFilterRecord(ledger); },
                          [this] {
                              return QList<QPair<QString, QVariant>>{
                                  {QStringLiteral("MC"), environment_.workingMonth}};
                          });
    TKSIEGA.setStateChange([this](Cursor &ledger, Cursor::State previous) {
        ZKSIEGAStateChange(ledger, previous);
    });
    TRD.setFilterHook([this](Cursor &registers) { return TRDFilterRecord(registers); });
    TRD.setFiltered(true);
    TNAG.setFilterHook([this](Cursor &headers) { return TNAGFilterRecord(headers); });
    TNAG.setFiltered(true);
}

bool TDANE::monthIsPosted(const QString &month) const
{
    bool ok = false;
    const int number = month.toInt(&ok);
    // "00" and "13" have no sums row: they are never closed.
    return ok && number >= 1 && number <= 12 && environment_.monthPosted[number];
}

int TDANE::NUMER()
{
    SaveTable(TKSIEGA, prompter_);
    if (TKSIEGA.indexName() != LedgerOrder)
        TKSIEGA.setIndexName(LedgerOrder);
    // One above the highest number anywhere in the year: the book order puts month "13"
    // last, so its last record is not always the highest number.
    return int(TKSIEGA.maximum(QStringLiteral("LP")).toLongLong()) + 1;
}

void TDANE::TKSIEGABeforePost(Cursor &ledger)
{
    ledger.field(QStringLiteral("NAZWISKO")).setAsString(environment_.userName);
    const Field month = ledger.field(QStringLiteral("MC"));
    if (!validMonthCode(month.asString()))
        ledger.field(QStringLiteral("MC")).setAsString(QStringLiteral("13"));
}

void TDANE::TKSIEGAMCChange(Field month)
{
    const QString code = month.asString();
    if (!validMonthCode(code) && entryEditor_) {
        // Setting the working month runs this hook again, which warns if that month is posted.
        month.setAsString(environment_.workingMonth);
        entryEditor_->showMonth(environment_.workingMonth);
        return;
    }
    if (monthIsPosted(month.asString())) {
        prompter_.warn(QStringLiteral("Miesiąc zamkniety."));
        if (entryEditor_)
            entryEditor_->showMonth(environment_.workingMonth);
    }
}

void TDANE::TKSIEGACalcFields(Cursor &ledger)
{
    ledger.field(QStringLiteral("K9"))
        .setCurrency(amount(ledger, QStringLiteral("K7")) + amount(ledger, QStringLiteral("K8")));
    ledger.field(QStringLiteral("K14"))
        .setCurrency(amount(ledger, QStringLiteral("K12")) + amount(ledger, QStringLiteral("K13")));
}

bool TDANE::TKSIEGAFilterRecord(Cursor &ledger)
{
    return ledger.field(QStringLiteral("MC")).asString() == environment_.workingMonth;
}

void TDANE::ZKSIEGAStateChange(Cursor &ledger, Cursor::State previous)
{
    Q_UNUSED(previous);
    if (environment_.importInProgress)
        return;
    if (ledger.state() == Cursor::State::Insert) {
        ledger.field(QStringLiteral("DATA")).setAsString(environment_.today);
    } else if (ledger.state() == Cursor::State::Edit
               && !RemoveSpaces(ledger.field(QStringLiteral("NRKOMP")).asString()).isEmpty()) {
        const QString question = QStringLiteral(
            "Zmiana zapisu komputerowego powstałego z importu danych z programu ZIVEDEZ.\r"
            "Jeżeli zmiana dotycz pól innych niż opis zdarzenia gospodarczego\r"
            "to przy ponownym imporcie zostaną zmienione na zgodne z rejesrtem faktur.\r"
            "Dodatkowe informacje pod klawiszem \"F1\"\r"
            "Czy przerwać edycję ?");
        if (prompter_.confirm(question))
            ledger.cancel();
    }
}

bool TDANE::TRDFilterRecord(Cursor &registers)
{
    if (!registers.field(QStringLiteral("L1")).asBoolean())
        return false;
    const QString code = registers.field(QStringLiteral("RD")).asString();
    if (code.isEmpty())
        return false;
    const QString kinds = purchaseImport ? QStringLiteral("CDZ") : QStringLiteral("ABIRSWX");
    return kinds.contains(code.at(0));
}

bool TDANE::TNAGFilterRecord(Cursor &headers)
{
    return headers.field(QStringLiteral("DATA")).asString().left(7)
           == environment_.workingYear + QLatin1Char('.') + environment_.workingMonth;
}

void TDANE::setEntryEditor(EntryEditorLink *editor)
{
    entryEditor_ = editor;
}
