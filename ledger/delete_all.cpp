#include "ledger/delete_all.h"

#include "core/data_module.h"
#include "core/table_access.h"
#include "ledger/month_totals.h"
#include "ledger/month_view.h"
#include "ledger/table_guards.h"
#include "platform/prompter.h"

static bool confirmedTwice(Prompter &prompter)
{
    return prompter.confirm(QStringLiteral("Czy chcesz usunąć wszystkie zapisy ?.\r"
                                           "Uwaga ! Brak możliwości odtworzenia danych."))
           && prompter.confirm(QStringLiteral("Czy napewno chcesz usunąć wszystkie zapisy ?.\r"
                                              "Uwaga ! Brak możliwości odtworzenia danych."));
}

// False, after the engine's own message, when the entries could not be deleted; they are
// then all still there.
static bool deleteEntries(TDANE &dane)
{
    Cursor &ledger = dane.TKSIEGA;
    if (!ledger.isOpen())
        return true;
    try {
        FrozenView frozen(ledger);
        if (ledger.isEditing())
            ledger.cancel();
        ledger.setFiltered(false);
        ledger.emptyTable();
        ledger.setIndexName(QStringLiteral("LPinx"));
    } catch (const DbError &failure) {
        dane.prompter().error(failure.message());
        return false;
    }
    return true;
}

// Keeps KOD, NAZWA and K17; a failed save undoes the whole emptying.
static bool emptySums(TDANE &dane)
{
    Cursor &sums = dane.TSUMA;
    if (!sums.isOpen())
        return true;
    QStringList cleared = MonthTotals::fieldNames();
    cleared << QStringLiteral("Ilstr") << QStringLiteral("W1") << QStringLiteral("W2")
            << QStringLiteral("W3") << QStringLiteral("OZN") << QStringLiteral("DATA")
            << QStringLiteral("NAZWISKO");
    TableTransaction transaction(sums);
    for (sums.first(); !sums.eof(); sums.next()) {
        sums.edit();
        for (const QString &name : cleared)
            sums.field(name).clear();
        if (!SaveTable(sums, dane.prompter()))
            return false;
    }
    transaction.commit();
    return true;
}

bool DeleteAllEntries(TDANE &dane)
{
    if (!confirmedTwice(dane.prompter()))
        return false;
    if (!deleteEntries(dane))
        return false;
    SelectWorkingMonth(dane, dane.environment().workingMonth);
    const bool emptied = emptySums(dane);
    // Left posted, a month would stay closed to new entries though its sums row says it is
    // open, until the program is started again.
    dane.BuildMonthStatus();
    return emptied;
}
