#include "ledger/record_operations.h"

#include "core/data_module.h"
#include "core/table_access.h"
#include "ledger/ledger_rules.h"
#include "ledger/ledger_view.h"
#include "ledger/month_view.h"
#include "ledger/table_guards.h"
#include "platform/progress.h"
#include "platform/prompter.h"

#include <QScopeGuard>
#include <QScopedValueRollback>

namespace {

const QString BookOrder = QStringLiteral("LPinx");
const QString DateOrder = QStringLiteral("DATAinx");
const QString Number = QStringLiteral("LP");
const QString Month = QStringLiteral("MC");

// What a copy takes over from its source: everything but the record number, the entry
// number, the date, the month and the marker.
bool copiedField(const QString &name)
{
    static const QStringList own = {QStringLiteral("AUTO"), Number, QStringLiteral("DATA"), Month,
                                    QStringLiteral("OZN")};
    return !own.contains(name, Qt::CaseInsensitive);
}

// The number the first open entry follows: that of the last entry, in book order, of a
// posted month; 0 when no posted month holds an entry.
qint64 lastPostedNumber(TDANE &dane)
{
    const int lastPosted = dane.environment().lastPostedMonth;
    if (lastPosted == 0)
        return 0;
    Cursor &ledger = dane.TKSIEGA;
    ledger.findNearest({QStringLiteral("%1").arg(lastPosted + 1, 2, 10, QLatin1Char('0'))});
    while (!monthIsPosted(dane, ledger.field(Month).asString())) {
        if (ledger.recNo() <= 0)
            return 0;
        ledger.prior();
    }
    return ledger.field(Number).asInteger();
}

void recomputeLastPostedMonth(WorkingEnvironment &environment)
{
    environment.lastPostedMonth = 0;
    for (int month = 1; month <= 12; ++month)
        if (environment.monthPosted[month])
            environment.lastPostedMonth = month;
}

// The walk of renumbering over the whole year in date order, in one transaction; nothing
// when a write failed, after "Błąd zapisu", with every number as it was.
std::optional<int> numberOpenEntries(TDANE &dane, Progress &progress)
{
    Cursor &ledger = dane.TKSIEGA;
    Prompter &prompter = dane.prompter();
    WorkingEnvironment &environment = dane.environment();
    recomputeLastPostedMonth(environment);
    qint64 number = lastPostedNumber(dane);
    ledger.setIndexName(DateOrder);
    progress.start(QStringLiteral("Przenumerowanie zapisów"), ledger.recordCount());
    const auto stopProgress = qScopeGuard([&progress] { progress.stop(); });
    // A new number is no change of what an import wrote: the imported-entry question would
    // otherwise stop the walk at every imported entry.
    const QScopedValueRollback<bool> quiet(environment.importInProgress, true);
    TableTransaction transaction(ledger);
    int changed = 0;
    try {
        // Handles looked up once: the walk visits every entry of the year.
        const Field month = ledger.field(Month);
        Field entryNumber = ledger.field(Number);
        for (ledger.first(); !ledger.eof(); ledger.next()) {
            progress.step();
            if (monthIsPosted(dane, month.asString()))
                continue;
            ++number;
            if (entryNumber.asInteger() == number && !entryNumber.isNull())
                continue;
            ledger.edit();
            entryNumber.setInteger(number);
            if (!SaveTable(ledger, prompter)) // "Błąd zapisu" when it fails
                return std::nullopt;
            ++changed;
        }
        transaction.commit();
    } catch (const DbError &failure) {
        prompter.error(WriteFailureMessage(failure));
        return std::nullopt;
    }
    return changed;
}

} // namespace

bool CopyEntry(TDANE &dane)
{
    Cursor &ledger = dane.TKSIEGA;
    if (!ledger.isOpen() || ledger.isEmpty() || !SaveTable(ledger, dane.prompter()))
        return false;
    QList<QPair<int, QVariant>> values;
    for (int i = 0; i < ledger.fieldDefs().size(); ++i)
        if (copiedField(ledger.fieldDefs()[i].name))
            values << qMakePair(i, ledger.field(i).storedValue());
    const int number = NUMER(dane);
    WorkingEnvironment &environment = dane.environment();
    SelectWorkingMonth(dane, FirstOpenMonth(environment));
    ledger.append();
    for (const auto &[field, value] : values)
        ledger.field(field).setStoredValue(value);
    ledger.field(Number).setInteger(number);
    ledger.field(QStringLiteral("DATA")).setAsString(environment.today);
    ledger.field(Month).setAsString(environment.workingMonth);
    return true;
}

QString cancelEntryRefusal(TDANE &dane)
{
    if (showsAllMonths(dane))
        return QStringLiteral("Zapis anuluje się w wybranym miesiącu, nie przy widoku "
                              "\"Wszystkie\".");
    const QString &month = dane.environment().workingMonth;
    Cursor &ledger = dane.TKSIEGA;
    // The entry's own month counts too: an entry just moved into a posted month is still
    // on the screen until the view is refreshed.
    const QString entryMonth = ledger.isOpen() && !ledger.isEmpty() ? ledger.field(Month).asString()
                                                                    : month;
    if (monthIsPosted(dane, month) || monthIsPosted(dane, entryMonth))
        return QStringLiteral("Miesiąc %1 jest zaksięgowany: zapisu nie można anulować.")
            .arg(monthIsPosted(dane, month) ? month : entryMonth);
    return QString();
}

bool CancelEntry(TDANE &dane)
{
    Cursor &ledger = dane.TKSIEGA;
    if (!ledger.isOpen() || ledger.isEmpty() || !cancelEntryRefusal(dane).isEmpty())
        return false;
    if (!dane.prompter().confirm(QStringLiteral("Czy Anulować ?")))
        return false;
    try {
        ledger.remove();
    } catch (const DbError &) {
        // The entry simply stays in the list; the program has never said more.
        return false;
    }
    return true;
}

std::optional<int> Renumber(TDANE &dane, Progress &progress)
{
    Cursor &ledger = dane.TKSIEGA;
    Prompter &prompter = dane.prompter();
    if (!ledger.isOpen())
        return 0;
    if (!SaveTable(ledger, prompter))
        return std::nullopt;
    WorkingEnvironment &environment = dane.environment();
    const Cursor::Bookmark place = ledger.bookmark();
    const FrozenView frozen(ledger);
    try {
        ledger.setIndexName(BookOrder);
        ledger.setFiltered(false);
        const std::optional<int> changed = ledger.isEmpty() ? 0 : numberOpenEntries(dane, progress);
        ledger.setIndexName(BookOrder);
        SelectWorkingMonth(dane, environment.workingMonth);
        ledger.gotoBookmark(place);
        return changed;
    } catch (const DbError &failure) {
        prompter.error(failure.message());
        return std::nullopt;
    }
}
