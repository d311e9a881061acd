#include "imports/monthly_summary.h"

#include "core/calendar.h"
#include "core/data_module.h"
#include "imports/import_rows.h"
#include "imports/import_start.h"
#include "imports/position_amount.h"
#include "ledger/ledger_rules.h"
#include "ledger/record_operations.h"
#include "platform/amount_range.h"
#include "platform/progress.h"
#include "platform/prompter.h"

#include <QScopeGuard>

#include <array>
#include <optional>

namespace {

using Totals = std::array<Money, SlotCount>;

// Columns 14 and 15 have no stored ledger field of their own: the whole of column 14 is
// "other expenses" and column 15 is printed from `K16`, so neither amount is lost.
std::optional<Slot> summarySlot(int column)
{
    switch (column) {
    case 7: return Slot::K7;
    case 8: return Slot::K8;
    case 10: return Slot::K10;
    case 11: return Slot::K11;
    case 12: return Slot::K12;
    case 13:
    case 14: return Slot::K13;
    case 15:
    case 16: return Slot::K16;
    default: return std::nullopt;
    }
}

QString text(Cursor &table, const char *field)
{
    return table.field(QString::fromLatin1(field)).asString();
}

Totals sumRegisters(TDANE &dane, Progress &progress)
{
    Totals totals{};
    Cursor &registers = dane.TRD;
    Cursor &headers = dane.TNAG;
    Cursor &positions = dane.TPOZ;
    registers.refresh();
    const auto stopProgress = qScopeGuard([&progress] { progress.stop(); });
    for (registers.first(); !registers.eof(); registers.next()) {
        headers.refresh();
        progress.start(SalesRegisterProgressText + text(registers, "NAZWA"),
                       headers.recordCount());
        for (headers.first(); !headers.eof(); headers.next()) {
            progress.step();
            positions.refresh();
            const Money rate = headers.field(QStringLiteral("L1")).asCurrency();
            for (positions.first(); !positions.eof(); positions.next()) {
                InvoicePosition position;
                position.registerCode = text(positions, "RD");
                position.account = text(positions, "KKONTO");
                position.net = positions.field(QStringLiteral("WNETTO")).asCurrency();
                position.vat = positions.field(QStringLiteral("VAT")).asCurrency();
                const std::optional<int> column = PositionColumn(position.account);
                if (!column)
                    continue;
                if (const std::optional<Slot> slot = summarySlot(*column))
                    totals[size_t(*slot)] = CalculatedAmount(
                        QStringLiteral("sumy sprzedaży miesiąca (kolumna %1)").arg(*column),
                        [&] { return totals[size_t(*slot)] + SummaryAmount(position, rate); });
            }
        }
    }
    return totals;
}

// The working month's entry whose document number is `key`, any letter case; the ledger
// stands on it.
bool findSummaryEntry(Cursor &ledger, const QString &key)
{
    for (ledger.first(); !ledger.eof(); ledger.next())
        if (ledger.field(QStringLiteral("NRKSIEG")).asString().compare(key, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QVariantList storedValues(Cursor &ledger)
{
    QVariantList values;
    for (int i = 0; i < ledger.fieldDefs().size(); ++i)
        values << ledger.field(i).storedValue();
    return values;
}

// Today, or the month's last day when today is later: the entry never lies past its month.
QString entryDate(const WorkingEnvironment &environment)
{
    const QString &month = environment.workingMonth;
    const QString &year = environment.workingYear;
    const QString lastDay = year + QLatin1Char('.') + month + QLatin1Char('.')
                            + DaysInMonthText(month.toInt(), year.toInt());
    return environment.today < lastDay ? environment.today : lastDay;
}

void startEntry(TDANE &dane, const QString &key)
{
    const WorkingEnvironment &environment = dane.environment();
    const QString period = environment.workingMonth + QLatin1Char('.') + environment.workingYear;
    Cursor &ledger = dane.TKSIEGA;
    const int number = NUMER(dane);
    ledger.append();
    ledger.field(QStringLiteral("LP")).setInteger(number);
    ledger.field(QStringLiteral("MC")).setAsString(environment.workingMonth);
    ledger.field(QStringLiteral("NRKOMP")).setAsString(QStringLiteral("*"));
    ledger.field(QStringLiteral("NRKSIEG")).setAsString(key);
    ledger.field(QStringLiteral("NAZ1"))
        .setAsString(QStringLiteral("Na podstawie ewidencji sprzedaży ma m-c ") + period);
    ledger.field(QStringLiteral("OPIS1")).setAsString(QStringLiteral("Sprzedaż towarów"));
}

} // namespace

ImportResult ImportMonthlySummary(TDANE &dane, Progress &progress,
                                  const std::function<void()> &editEntry)
{
    const WorkingEnvironment &environment = dane.environment();
    Cursor &ledger = dane.TKSIEGA;
    const QString key = QStringLiteral("DK Sprze. ") + environment.workingMonth + QLatin1Char('.')
                        + environment.workingYear;
    ImportResult result{ImportOutcome::Failed, {}};
    try {
        const Totals totals = sumRegisters(dane, progress);
        const bool existed = findSummaryEntry(ledger, key);
        const QVariantList before = existed ? storedValues(ledger) : QVariantList();
        if (existed)
            ledger.edit();
        else
            startEntry(dane, key);
        ledger.field(QStringLiteral("DATA")).setAsString(entryDate(environment));
        for (int slot = 0; slot < SlotCount; ++slot)
            ledger.field(SlotField(Slot(slot))).setCurrency(totals[size_t(slot)]);
        editEntry();
        if (ledger.isEditing())
            ledger.cancel();
        if (findSummaryEntry(ledger, key)) {
            if (!existed)
                result.counts.added = 1;
            else if (storedValues(ledger) != before)
                result.counts.updated = 1;
        }
    } catch (const DbError &failure) {
        if (ledger.isEditing())
            ledger.cancel();
        dane.prompter().error(failure.message());
        return result;
    }
    if (Renumber(dane, progress))
        result.outcome = ImportOutcome::Imported;
    return result;
}
