#include "ledger/entry_operations.h"

#include "core/data_module.h"
#include "core/ksef_number.h"
#include "core/table_access.h"
#include "ledger/ledger_rules.h"
#include "ledger/month_view.h"
#include "platform/prompter.h"

QString newEntryRefusal(TDANE &dane)
{
    const QString &month = dane.environment().workingMonth;
    if (showsAllMonths(dane))
        return QStringLiteral("Nowy zapis dodaje się w wybranym miesiącu, nie przy widoku "
                              "\"Wszystkie\".");
    if (monthIsPosted(dane, month))
        return QStringLiteral("Miesiąc %1 jest zaksięgowany: nowy zapis nie jest możliwy.")
            .arg(month);
    return QString();
}

bool NewEntry(TDANE &dane)
{
    if (!newEntryRefusal(dane).isEmpty() || !dane.TKSIEGA.isOpen()
        || !SaveTable(dane.TKSIEGA, dane.prompter()))
        return false;
    const int number = NUMER(dane);
    dane.TKSIEGA.append();
    dane.TKSIEGA.field(QStringLiteral("LP")).setInteger(number);
    dane.TKSIEGA.field(QStringLiteral("MC")).setAsString(dane.environment().workingMonth);
    return true;
}

bool EditEntry(TDANE &dane)
{
    if (!dane.TKSIEGA.isOpen() || dane.TKSIEGA.isEmpty())
        return false;
    dane.TKSIEGA.edit();
    return dane.TKSIEGA.isEditing();
}

bool KsefNumberRefused(TDANE &dane)
{
    Cursor &ledger = dane.TKSIEGA;
    if (!ledger.isEditing() || !ledger.hasField(QStringLiteral("KSEF"))
        || StoredKsefNumber(ledger.field(QStringLiteral("KSEF")).asString()))
        return false;
    dane.prompter().error(WrongKsefNumberText);
    return true;
}

bool SaveEntry(TDANE &dane)
{
    WorkingEnvironment &env = dane.environment();
    Cursor &ledger = dane.TKSIEGA;
    if (KsefNumberRefused(dane))
        return false;
    if (env.workingMonth != QLatin1String("13"))
        env.workingMonth = ledger.field(QStringLiteral("MC")).asString();
    if (!monthIsPosted(dane, env.workingMonth))
        return SaveTable(ledger, dane.prompter());
    if (dane.prompter().confirm(QStringLiteral("Miesiąc zamkniety.\rCzy zapisać zmiany ?")))
        return SaveTable(ledger, dane.prompter());
    ledger.cancel();
    return false;
}

void CloseEntryEditor(TDANE &dane)
{
    Cursor &ledger = dane.TKSIEGA;
    if (ledger.isEditing()) {
        // A change that could not be saved has been reported and dropped; the view follows
        // the entry all the same.
        if (dane.prompter().confirm(QStringLiteral("Czy zapisać zmiany ?"))
            && !KsefNumberRefused(dane))
            static_cast<void>(SaveTable(ledger, dane.prompter()));
        else
            ledger.cancel();
    }
    if (!ledger.isOpen())
        return;
    // The view follows the entry to its month and stays on it when it is still shown there.
    const Cursor::Bookmark entry = ledger.bookmark();
    QString month = dane.environment().workingMonth;
    const QString entryMonth = ledger.field(QStringLiteral("MC")).asString();
    if (month != QLatin1String("13") && !entryMonth.isEmpty())
        month = entryMonth;
    SelectWorkingMonth(dane, month);
    ledger.gotoBookmark(entry);
}
