#include "print/ledger_printout.h"

#include "core/data_module.h"
#include "core/table_access.h"
#include "firm/firm_record.h"
#include "platform/clock.h"
#include "platform/frozen_view.h"
#include "platform/print/report.h"
#include "platform/print/report_source.h"
#include "platform/prompter.h"

#include <QMarginsF>

namespace {

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString runningRowKey(int month)
{
    return QLatin1Char('N') + twoDigits(month);
}

// The fields the carried totals are kept for: those of the layout's amount columns.
QStringList amountFields(const LedgerBookLayout &layout)
{
    QStringList fields;
    for (const LedgerBookHalf *half : {&layout.first, &layout.second})
        for (const LedgerBookColumn &column : half->columns)
            if (!column.amountField.isEmpty())
                fields << column.amountField;
    return fields;
}

std::optional<qint64> readableInteger(Cursor &record, const QString &name)
{
    if (!record.hasField(name) || record.field(name).isNull())
        return std::nullopt;
    bool whole = false;
    const qint64 value = record.field(name).storedValue().toLongLong(&whole);
    return whole ? std::optional(value) : std::nullopt;
}

// Preparation steps 1 and 2 and the page numbering dialog. False for month "13" (and any
// month that is not one of the twelve) and for a page number that is not a whole number.
bool prepare(TDANE &dane, LedgerPrintout &printout, const QStringList &amounts,
             LedgerPrintDevices &devices)
{
    const WorkingEnvironment &environment = dane.environment();
    bool isNumber = false;
    const int month = environment.workingMonth.toInt(&isNumber);
    if (!isNumber || month < 1 || month > 12)
        return false;
    LedgerPrintState &state = printout.state();
    state.month = twoDigits(month);
    state.carried.clear();
    state.pageOffset = 0;
    Cursor &sums = dane.TSUMA;
    if (month > 1 && sums.isOpen() && sums.findKey({runningRowKey(month - 1)})) {
        for (const QString &field : amounts)
            if (sums.hasField(field))
                state.carried.insert(field, sums.field(field).asCurrency());
        state.pageOffset = int(readableInteger(sums, QStringLiteral("Ilstr")).value_or(0));
    }

    const QString typed = devices.firstPageNumber(state.month, state.pageOffset + 1).trimmed();
    bool whole = false;
    const int first = typed.toInt(&whole);
    if (!whole) {
        dane.prompter().error(QStringLiteral("'%1' nie jest poprawną liczbą całkowitą.").arg(typed));
        return false;
    }
    state.pageOffset = first - 1;
    state.monthLabel =
        QStringLiteral("Miesiąc %1 %2").arg(state.month, environment.workingYear);
    state.firmName = FirmShortName(dane);
    state.printDate = todayText();
    return true;
}

void setMargins(Report &report, const QMarginsF &margins, int pageOffset)
{
    report.pageSetup().marginsMm.setLeft(margins.left());
    report.pageSetup().marginsMm.setTop(margins.top());
    report.setPageOffset(pageOffset);
}

// Walks the ledger for a half without moving the window's grid or its current record.
template <typename Print>
bool walkLedger(Cursor &ledger, Print print)
{
    const FrozenWalk walk(ledger);
    return print();
}

// After the printout: the highest page printed into the month's running row. A run that
// printed no page leaves the row as it was: it would otherwise restart the numbering.
bool storePageCount(TDANE &dane, LedgerPrintState &state, LedgerPrintDevices &devices)
{
    const int highest = state.highestPage;
    state.highestPage = 0;
    if (!devices.finish())
        return false;
    Cursor &sums = dane.TSUMA;
    if (highest == 0 || !sums.isOpen()
        || !sums.findKey({runningRowKey(state.month.toInt())}))
        return true;
    EnsureEditing(sums);
    sums.field(QStringLiteral("Ilstr")).setInteger(highest);
    return SaveTable(sums, dane.prompter());
}

} // namespace

LedgerPrintout::LedgerPrintout(TDANE &dane) : dane_(dane) {}

LedgerPrintout::~LedgerPrintout() = default;

const LedgerBookLayout &LedgerPrintout::layout() const
{
    return LedgerBookOf(BookFormOfYear(dane_.environment().workingYear));
}

Report &LedgerPrintout::half(int number)
{
    if (builtLayout_ != &layout() || builtLedger_ != dane_.TKSIEGA.tablePath()) {
        builtLayout_ = &layout();
        builtLedger_ = dane_.TKSIEGA.tablePath();
        halves_[0].reset();
        halves_[1].reset();
    }
    std::unique_ptr<Report> &report = halves_[number - 1];
    if (!report) {
        report = std::make_unique<Report>(PageSetup::a4(PageOrientation::Landscape));
        report->setTitle(QStringLiteral("Księga przychodów i rozchodów"));
        // The columns run from the left margin over the sheet's width; no right margin is
        // left to squeeze them when the left one grows.
        report->pageSetup().marginsMm.setRight(0);
        BuildLedgerHalf(*report, *builtLayout_, number, dane_.TKSIEGA, state_);
    }
    return *report;
}

QString TurnSheetsQuestion()
{
    return QStringLiteral("Koniec wydruku stron parzystych. jeśli chcesz wykonać wydruk "
                          "dwustronny to obróć kartki !");
}

QMarginsF LedgerMargins(TDANE &dane)
{
    Cursor &parameters = dane.TPARA;
    std::optional<qint64> top;
    std::optional<qint64> left;
    if (parameters.isOpen() && !parameters.isEmpty()) {
        top = readableInteger(parameters, QStringLiteral("P2"));
        left = readableInteger(parameters, QStringLiteral("P3"));
    }
    if (!top || !left)
        return QMarginsF(10, 10, 0, 10);
    return QMarginsF(double(*left), double(*top), 0, 10);
}

bool PreviewLedgerHalf(TDANE &dane, LedgerPrintout &printout, int half,
                       LedgerPrintDevices &devices)
{
    if (!dane.TKSIEGA.isOpen()
        || !prepare(dane, printout, amountFields(printout.layout()), devices))
        return false;
    Report &report = printout.half(half);
    setMargins(report, LedgerMargins(dane), printout.state().pageOffset);
    CursorReportSource rows(dane.TKSIEGA);
    report.setSource(&rows);
    const bool shown = walkLedger(dane.TKSIEGA, [&] { return devices.preview(report); });
    if (!shown)
        printout.state().highestPage = 0; // a preview that failed numbered no pages
    return storePageCount(dane, printout.state(), devices) && shown;
}

bool PrintLedger(TDANE &dane, LedgerPrintout &printout, LedgerPrintDevices &devices)
{
    if (!dane.TKSIEGA.isOpen()
        || !prepare(dane, printout, amountFields(printout.layout()), devices))
        return false;
    const QMarginsF margins = LedgerMargins(dane);
    CursorReportSource rows(dane.TKSIEGA);
    const auto printHalf = [&](int number) {
        Report &report = printout.half(number);
        setMargins(report, margins, printout.state().pageOffset);
        report.setSource(&rows);
        return walkLedger(dane.TKSIEGA, [&] { return devices.print(report); });
    };
    bool printed = printHalf(1);
    if (printed
        && dane.prompter().ask(MessageIcon::Warning, TurnSheetsQuestion(),
                               MessageButtons::YesNo)
               == Answer::Yes)
        printed = printHalf(2);
    return storePageCount(dane, printout.state(), devices) && printed;
}
