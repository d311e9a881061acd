#include "ledger/delete_all.h"

#include "core/data_module.h"
#include "core/table_access.h"
#include "ledger/month_totals.h"
#include "ledger/month_view.h"
#include "ledger/table_guards.h"
#include "platform/joint_transaction.h"
#include "platform/prompter.h"

static bool confirmedTwice(Prompter &prompter)
{
    return prompter.confirm(QStringLiteral("Czy chcesz usunąć wszystkie zapisy ?.\r"
                                           "Uwaga ! Brak możliwości odtworzenia danych."))
           && prompter.confirm(QStringLiteral("Czy napewno chcesz usunąć wszystkie zapisy ?.\r"
                                              "Uwaga ! Brak możliwości odtworzenia danych."));
}

// Throws DbError when the entries could not be deleted.
static void deleteEntries(TDANE &dane)
{
    Cursor &ledger = dane.TKSIEGA;
    if (!ledger.isOpen())
        return;
    FrozenView frozen(ledger);
    ledger.setFiltered(false);
    ledger.emptyTable();
    ledger.setIndexName(QStringLiteral("LPinx"));
}

// Keeps KOD, NAZWA and K17; false when a row could not be saved.
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
    if (dane.TKSIEGA.isEditing())
        dane.TKSIEGA.cancel();
    bool emptied = false;
    try {
        // Entries gone with their sums still counting them, or the other way round, would
        // be a book that contradicts itself: both files change in one commit or neither.
        JointTransaction together({&dane.TKSIEGA, &dane.TSUMA});
        deleteEntries(dane);
        emptied = emptySums(dane);
        if (emptied)
            together.commit();
    } catch (const DbError &failure) {
        dane.prompter().error(failure.message());
        emptied = false;
    }
    SelectWorkingMonth(dane, dane.environment().workingMonth);
    // Left posted, a month would stay closed to new entries though its sums row says it is
    // open, until the program is started again.
    dane.BuildMonthStatus();
    return emptied;
}
