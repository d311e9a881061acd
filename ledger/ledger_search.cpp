#include "ledger/ledger_search.h"

#include "core/data_module.h"
#include "core/table_access.h"
#include "ledger/month_view.h"
#include "platform/prompter.h"

#include <optional>

namespace {

const QString BookOrder = QStringLiteral("LPinx");
const QString DocumentOrder = QStringLiteral("NRKSIEGinx");
const QString ContractorOrder = QStringLiteral("KONTRinx");

// Puts the ledger into `order` with a pending entry saved first; false (reported) when the
// entry could not be saved or the order could not be taken.
bool takeOrder(TDANE &dane, const QString &order)
{
    Cursor &ledger = dane.TKSIEGA;
    if (!ledger.isOpen() || !SaveTable(ledger, dane.prompter()))
        return false;
    try {
        if (ledger.indexName() != order)
            ledger.setIndexName(order);
    } catch (const DbError &failure) {
        dane.prompter().error(failure.message());
        return false;
    }
    return true;
}

void searchText(TDANE &dane, const QString &order, const QString &typed)
{
    if (takeOrder(dane, order))
        dane.TKSIEGA.findNearest({typed});
}

// Under "Wszystkie" the book order runs month by month, so the lowest number not below the
// one typed may lie in any month: each month's nearest entry is a candidate.
void nearestNumberInYear(Cursor &ledger, qint64 number)
{
    std::optional<Cursor::Bookmark> best;
    qint64 bestNumber = 0;
    for (int month = 0; month <= 13; ++month) {
        const QString code = QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
        ledger.findNearest({code, number});
        const qint64 found = ledger.field(QStringLiteral("LP")).asInteger();
        if (ledger.field(QStringLiteral("MC")).asString() != code || found < number)
            continue;
        if (!best || found < bestNumber) {
            best = ledger.bookmark();
            bestNumber = found;
        }
    }
    if (best)
        ledger.gotoBookmark(*best);
    else
        ledger.last();
}

} // namespace

QString LedgerOrderForField(const QString &field)
{
    if (field == QLatin1String("LP"))
        return BookOrder;
    if (field == QLatin1String("NRKSIEG"))
        return DocumentOrder;
    if (field == QLatin1String("NAZ1"))
        return ContractorOrder;
    return QString();
}

bool SortLedgerByField(TDANE &dane, const QString &field)
{
    const QString order = LedgerOrderForField(field);
    return !order.isEmpty() && takeOrder(dane, order);
}

void SearchLedgerByNumber(TDANE &dane, const QString &typed)
{
    if (!takeOrder(dane, BookOrder))
        return;
    bool isNumber = false;
    const qint64 number = typed.trimmed().toLongLong(&isNumber);
    Cursor &ledger = dane.TKSIEGA;
    if (!isNumber || ledger.isEmpty())
        return;
    if (showsAllMonths(dane)) {
        // The grid sees only where the search ends, not each month it looked into.
        ledger.disableControls();
        nearestNumberInYear(ledger, number);
        ledger.enableControls();
    } else
        ledger.findNearest({dane.environment().workingMonth, number});
}

void SearchLedgerByDocument(TDANE &dane, const QString &typed)
{
    searchText(dane, DocumentOrder, typed);
}

void SearchLedgerByContractor(TDANE &dane, const QString &typed)
{
    searchText(dane, ContractorOrder, typed);
}
