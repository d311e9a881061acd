#include "ledger/posting.h"

#include "core/data_module.h"
#include "core/table_access.h"
#include "ledger/month_totals.h"
#include "ledger/month_view.h"
#include "ledger/table_guards.h"
#include "platform/prompter.h"

#include <QScopedValueRollback>

static const QString LedgerOrder = QStringLiteral("LPinx");

static QString twoDigits(int month)
{
    return QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
}

// 1..13 for "01".."13"; 0 for anything else.
static int monthNumber(const QString &month)
{
    bool ok = false;
    const int number = month.toInt(&ok);
    return ok && month.size() == 2 && number >= 1 && number <= 13 ? number : 0;
}

bool postingOffered(const WorkingEnvironment &environment, const QString &month)
{
    const int number = monthNumber(month);
    return number != 0 && number == environment.lastPostedMonth + 1;
}

bool unpostingOffered(const WorkingEnvironment &environment, const QString &month)
{
    const int number = monthNumber(month);
    return number >= 1 && number <= 12 && number == environment.lastPostedMonth;
}

QString postingRefusal(const WorkingEnvironment &environment, const QString &month)
{
    if (postingOffered(environment, month))
        return QString();
    return QStringLiteral("Miesiąca %1 nie można zaksięgować: miesiące księguje się po kolei, "
                          "następny do zaksięgowania jest miesiąc %2.")
        .arg(month, twoDigits(environment.lastPostedMonth + 1));
}

QString unpostingRefusal(const WorkingEnvironment &environment, const QString &month)
{
    if (unpostingOffered(environment, month))
        return QString();
    if (environment.lastPostedMonth == 0)
        return QStringLiteral("Żaden miesiąc nie jest zaksięgowany.");
    return QStringLiteral("Miesiąca %1 nie można odksięgować: odksięgowuje się tylko ostatni "
                          "zaksięgowany miesiąc, %2.")
        .arg(month, twoDigits(environment.lastPostedMonth));
}

// The number the month's first entry should carry: one above the last entry of the earlier
// months in the book order, 1 for January or when no earlier month has entries.
static qint64 expectedFirstNumber(Cursor &ledger, const QString &month)
{
    if (month == QLatin1String("01"))
        return 1;
    ledger.setFiltered(false);
    if (ledger.isEmpty())
        return 1;
    ledger.findNearest({month});
    const Field code = ledger.field(QStringLiteral("MC"));
    while (code.asString() >= month && ledger.recNo() > 0)
        ledger.prior();
    return code.asString() < month ? ledger.field(QStringLiteral("LP")).asInteger() + 1 : 1;
}

static void markPosted(Cursor &sums, const WorkingEnvironment &environment)
{
    sums.field(QStringLiteral("OZN")).setAsString(QStringLiteral("*"));
    sums.field(QStringLiteral("NAZWISKO")).setAsString(environment.userName);
    sums.field(QStringLiteral("DATA")).setAsString(environment.today);
}

static void clearPostingMarks(Cursor &sums)
{
    for (const char *name : {"OZN", "NAZWISKO", "DATA"})
        sums.field(QString::fromLatin1(name)).clear();
}

// Writes the totals (and the posting marks, when asked) into the sums row `key`. A missing
// row is skipped (true); false when the row could not be saved.
static bool writeRow(TDANE &dane, const QString &key, const MonthTotals &totals, bool posted,
                     bool &found)
{
    Cursor &sums = dane.TSUMA;
    found = sums.findKey({key});
    if (!found)
        return true;
    sums.edit();
    totals.writeInto(sums);
    if (posted)
        markPosted(sums, dane.environment());
    return SaveTable(sums, dane.prompter());
}

// The month row and the running row of month `number` from the month's totals; the running
// row adds the previous running row. One transaction is open on the sums.
static bool writeMonthRows(TDANE &dane, int number, MonthTotals totals, bool posted,
                           bool &monthRowFound)
{
    if (!writeRow(dane, twoDigits(number), totals, posted, monthRowFound))
        return false;
    Cursor &sums = dane.TSUMA;
    if (number > 1 && sums.findKey({QLatin1Char('N') + twoDigits(number - 1)}))
        totals.add(MonthTotals::fieldsOf(sums));
    bool runningRowFound = false;
    return writeRow(dane, QLatin1Char('N') + twoDigits(number), totals, posted, runningRowFound);
}

static PostingOutcome postMonthRows(TDANE &dane, const QString &month)
{
    Cursor &ledger = dane.TKSIEGA;
    if (ledger.indexName() != LedgerOrder)
        ledger.setIndexName(LedgerOrder);
    qint64 expected = expectedFirstNumber(ledger, month);

    // The month's entries only, also for "13", which the view otherwise shows unfiltered.
    ledger.setFiltered(true);
    MonthTotals totals;
    std::optional<qint64> wrongNumber;
    const QList<Field> amounts = MonthTotals::fieldsOf(ledger);
    const Field number = ledger.field(QStringLiteral("LP"));
    for (ledger.first(); !ledger.eof(); ledger.next()) {
        if (!wrongNumber && number.asInteger() != expected)
            wrongNumber = number.asInteger();
        totals.add(amounts);
        ++expected;
    }
    if (wrongNumber
        && !dane.prompter().confirm(QStringLiteral("Bład numertaora dla pozycji : ")
                                    + QString::number(*wrongNumber)
                                    + QStringLiteral(" Czy mimo to kontynuować?")))
        return PostingOutcome::Declined;

    bool monthRowFound = false;
    TableTransaction transaction(dane.TSUMA);
    if (!writeMonthRows(dane, monthNumber(month), totals, true, monthRowFound))
        return PostingOutcome::NotSaved;
    transaction.commit();
    if (!monthRowFound)
        return PostingOutcome::NoMonthRow;
    WorkingEnvironment &environment = dane.environment();
    environment.monthPosted[monthNumber(month)] = true;
    environment.lastPostedMonth = monthNumber(month);
    return PostingOutcome::Posted;
}

PostingOutcome PostMonth(TDANE &dane, const QString &month)
{
    WorkingEnvironment &environment = dane.environment();
    if (!postingOffered(environment, month) || !dane.TKSIEGA.isOpen() || !dane.TSUMA.isOpen())
        return PostingOutcome::NotOffered;
    if (!SaveTable(dane.TKSIEGA, dane.prompter()))
        return PostingOutcome::NotSaved;
    environment.workingMonth = month;
    FrozenView frozen(dane.TKSIEGA);
    const PostingOutcome outcome = postMonthRows(dane, month);
    // The walk left the view filtered to the month's entries, as a month's view is; only
    // "Wszystkie" has to show the whole year again.
    if (month == QLatin1String("13"))
        SelectWorkingMonth(dane, month);
    else
        dane.TKSIEGA.first();
    return outcome;
}

bool UnpostMonth(TDANE &dane, const QString &month)
{
    WorkingEnvironment &environment = dane.environment();
    Cursor &sums = dane.TSUMA;
    if (!unpostingOffered(environment, month) || !sums.isOpen())
        return false;
    bool reopened = false;
    {
        TableTransaction transaction(sums);
        for (const QString &key : {month, QLatin1Char('N') + month}) {
            if (!sums.findKey({key}))
                continue;
            sums.edit();
            clearPostingMarks(sums);
            if (!SaveTable(sums, dane.prompter()))
                return false;
            reopened = reopened || key == month;
        }
        transaction.commit();
    }
    if (reopened) {
        environment.monthPosted[monthNumber(month)] = false;
        environment.lastPostedMonth = monthNumber(month) - 1;
    }
    SelectWorkingMonth(dane, month);
    return reopened;
}

bool PostCurrent(TDANE &dane)
{
    WorkingEnvironment &environment = dane.environment();
    Cursor &ledger = dane.TKSIEGA;
    if (!ledger.isOpen() || !dane.TSUMA.isOpen() || !SaveTable(ledger, dane.prompter()))
        return false;
    const bool filtered = ledger.isFiltered();
    const Cursor::Bookmark place = ledger.bookmark();
    bool saved = true;
    FrozenView frozen(ledger);
    {
        const QScopedValueRollback keepMonth(environment.workingMonth);
        TableTransaction transaction(dane.TSUMA);
        for (int number = 1; number <= 12 && saved; ++number) {
            if (environment.monthPosted[number])
                continue;
            // Each month's own entries, whatever month the view shows.
            environment.workingMonth = twoDigits(number);
            ledger.setFiltered(true);
            MonthTotals totals;
            totals.addReachable(ledger);
            bool monthRowFound = false;
            saved = writeMonthRows(dane, number, totals, false, monthRowFound);
        }
        if (saved)
            transaction.commit();
    }
    ledger.setFiltered(filtered);
    ledger.gotoBookmark(place);
    return saved;
}
