#include "imports/vehicle_import.h"

#include "core/data_module.h"
#include "imports/cost_entry.h"
#include "imports/import_key.h"
#include "imports/import_start.h"
#include "platform/prompter.h"

namespace {

// The vehicle register's record of `vehicle`, when the register is open and has one; the
// register then stands on it.
bool findVehicle(Cursor &vehicles, qint64 vehicle)
{
    return vehicles.isOpen() && vehicles.locate(QStringLiteral("NR"), vehicle);
}

QString vehicleDescription(Cursor &vehicles, bool found, qint64 vehicle)
{
    // A vehicle missing from the register still says which car the cost is of.
    if (!found)
        return QStringLiteral("prywatnego, pojazd nr %1").arg(vehicle);
    return QStringLiteral("prywatnego ") + vehicles.field(QStringLiteral("PNR")).asString();
}

// The vehicle's own data in a new entry: which car, and whose name and address it is kept under.
void describeVehicle(Cursor &ledger, Cursor &vehicles, bool found, qint64 vehicle)
{
    ledger.field(QStringLiteral("OPIS2")).setAsString(vehicleDescription(vehicles, found, vehicle));
    if (!found)
        return;
    for (const char *field : {"NAZ1", "NAZ2", "KOD", "MIEJSC", "UL"})
        ledger.field(QString::fromLatin1(field))
            .setAsString(vehicles.field(QString::fromLatin1(field)).asString());
}

ImportedEntries importCosts(TDANE &dane)
{
    ImportedEntries counts;
    Cursor &sums = dane.TSAM;
    const WorkingEnvironment &environment = dane.environment();
    EntryNumbers numbers(dane);
    // The vehicle log may have changed its tables since they were last read.
    sums.refresh();
    if (dane.TAUTO.isOpen())
        dane.TAUTO.refresh();
    for (sums.first(); !sums.eof(); sums.next()) {
        if (sums.field(QStringLiteral("MC")).asString() != environment.workingMonth)
            continue;
        const qint64 vehicle = sums.field(QStringLiteral("GAUTO")).asInteger();
        const bool found = findVehicle(dane.TAUTO, vehicle);
        const CostEntry entry{
            VehicleImportKey(vehicle, environment.workingMonth, environment.workingYear),
            QStringLiteral("DK Sam. ") + environment.workingMonth + QLatin1Char('.') + environment.workingYear,
            QStringLiteral("Koszty użytkowania samochodu"),
            [&](Cursor &ledger) { describeVehicle(ledger, dane.TAUTO, found, vehicle); },
            sums.field(QStringLiteral("UP")).asCurrency()};
        if (!WriteCostEntry(dane, numbers, entry, counts))
            return counts;
    }
    return counts;
}

} // namespace

bool VehicleImportOffered(TDANE &dane)
{
    return dane.TSAM.isOpen() && dane.TAUTO.isOpen();
}

ImportResult ImportVehicleCosts(TDANE &dane)
{
    Prompter &prompter = dane.prompter();
    if (const std::optional<ImportResult> refused = ImportStartRefusal(dane))
        return *refused;
    if (!dane.TSAM.isOpen()) {
        ReportUnopenedImportTable(prompter, dane.TSAM);
        return {};
    }
    if (!HasImportFields(dane.TSAM, QStringLiteral("SUMA"),
                         {QStringLiteral("MC"), QStringLiteral("GAUTO"), QStringLiteral("UP")}, prompter))
        return {};
    if (dane.TAUTO.isOpen()
        && !HasImportFields(dane.TAUTO, QStringLiteral("AUTO"),
                            {QStringLiteral("NR"), QStringLiteral("PNR"), QStringLiteral("NAZ1"),
                             QStringLiteral("NAZ2"), QStringLiteral("KOD"), QStringLiteral("MIEJSC"),
                             QStringLiteral("UL")},
                            prompter))
        return {};
    if (!ConfirmImport(dane, QStringLiteral("SAMOCHÓD"), QStringLiteral("Koszty")))
        return {ImportOutcome::Declined, {}};
    return RunImportTransaction(dane, [&dane] { return importCosts(dane); });
}
