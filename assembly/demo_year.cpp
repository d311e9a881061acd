#include "assembly/demo_year.h"

#include "assembly/demo_month_entries.h"
#include "core/data_module.h"
#include "ledger/entry_contractor.h"
#include "ledger/entry_operations.h"
#include "ledger/month_view.h"
#include "ledger/posting.h"
#include "pit5/declaration_workflow.h"
#include "pit5/taxpayer_register.h"
#include "platform/db_error.h"
#include "platform/joint_transaction.h"
#include "platform/prompter.h"

namespace {

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

// The PIT-5 import first asks "Czy chcesz importować dane dla mc: …"; the demo answers it as
// its user would, and every other message reaches the user.
class ImportConfirmed final : public Prompter {
public:
    explicit ImportConfirmed(Prompter &user) : user_(user) {}

    Answer ask(MessageIcon icon, const QString &text, MessageButtons buttons,
               const QString &caption) override
    {
        if (buttons == MessageButtons::OkCancel)
            return Answer::Ok;
        return user_.ask(icon, text, buttons, caption);
    }

private:
    Prompter &user_;
};

void writeEntry(TDANE &dane, const DemoBookEntry &entry)
{
    const QString month = dane.environment().workingMonth;
    if (!NewEntry(dane))
        throw DbError(QStringLiteral("Nie można dodać zapisu w miesiącu %1.").arg(month));
    Cursor &ledger = dane.TKSIEGA;
    if (entry.contractor != 0
        && !LookUpEntryContractor(dane, ContractorKey::Number, QString::number(entry.contractor)))
        throw DbError(QStringLiteral("Brak kontrahenta numer %1 w katalogu.").arg(entry.contractor));
    for (const auto &[field, text] : entry.texts)
        ledger.field(field).setAsString(text);
    for (const auto &[field, amount] : entry.amounts)
        ledger.field(field).setCurrency(amount);
    if (!SaveEntry(dane))
        throw DbError(QStringLiteral("Nie zapisano zapisu miesiąca %1.").arg(month));
}

// One transaction for the whole book: fast, and on a failure none of it stays.
void writeLedger(TDANE &dane, int currentMonth)
{
    const QString year = dane.environment().workingYear;
    JointTransaction together({&dane.TKSIEGA, &dane.TSUMA});
    for (int number = 1; number <= currentMonth; ++number) {
        const QString month = twoDigits(number);
        SelectWorkingMonth(dane, month);
        for (const DemoBookEntry &entry : DemoMonthEntries(year, number))
            writeEntry(dane, entry);
        if (number < currentMonth && PostMonth(dane, month) != PostingOutcome::Posted)
            throw DbError(QStringLiteral("Miesiąc %1 nie został zaksięgowany.").arg(month));
    }
    together.commit();
}

// The owner named in the firm record, living at the firm's seat, with the whole business.
void addOwnerAsTaxpayer(TDANE &dane)
{
    Cursor &firm = dane.TFIRMA;
    Cursor &taxpayer = dane.TOSOBA;
    firm.first();
    NewTaxpayer(dane);
    const auto copy = [&](const char *from, const QString &to) {
        taxpayer.field(to).setAsString(firm.field(QString::fromLatin1(from)).asString());
    };
    for (const char *field : {"NIP", "NAZWISKO", "IMIE", "DATAUR", "URZAD"})
        copy(field, QString::fromLatin1(field));
    for (const char *field : {"KRAJ", "WOJEWODZTWO", "POWIAT", "GMINA", "ULICA", "NUMER", "LOKAL",
                              "KOD", "POCZTA", "MIEJSCOWOSC"})
        copy(field, QLatin1Char('Z') + QString::fromLatin1(field));
    taxpayer.field(QStringLiteral("ZAPAS4")).setFloat(100);
    taxpayer.field(QStringLiteral("ZL1")).setBoolean(false);
    taxpayer.field(QStringLiteral("ZL2")).setBoolean(false);
    if (!SaveTaxpayer(dane, dane.prompter()))
        throw DbError(QStringLiteral("Nie zapisano podatnika."));
}

// As the declaration window makes it: a new declaration for the current taxpayer, its month
// corrected to the last posted one, then "Import danych". Its rules write the parameters (the
// tax office) and the constants too: the three files commit together.
void declareMonth(TDANE &dane, int month)
{
    JointTransaction together({&dane.TDEK, &dane.TPARA, &dane.TSTALE});
    if (NewDeclaration(dane, dane.prompter()) != NewDeclarationResult::Created)
        throw DbError(QStringLiteral("Nie można założyć deklaracji PIT-5."));
    dane.TDEK.field(QStringLiteral("P4"))
        .setAsString(twoDigits(month) + QLatin1Char('-') + dane.environment().workingYear);
    ImportConfirmed prompter(dane.prompter());
    if (!SaveDeclaration(dane, dane.prompter()) || !ImportLedgerData(dane, prompter))
        throw DbError(QStringLiteral("Nie zapisano deklaracji PIT-5 za miesiąc %1.").arg(twoDigits(month)));
    together.commit();
}

} // namespace

int DemoCurrentMonth(const QString &year, const QDate &day)
{
    const int number = year.toInt();
    if (number == day.year())
        return day.month();
    return number < day.year() ? 12 : 1;
}

void WriteDemoYear(TDANE &dane, int currentMonth)
{
    writeLedger(dane, currentMonth);
    addOwnerAsTaxpayer(dane);
    if (currentMonth > 1)
        declareMonth(dane, currentMonth - 1);
}
