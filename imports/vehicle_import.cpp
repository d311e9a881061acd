#include "imports/vehicle_import.h"

#include "core/data_module.h"
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

void startEntry(TDANE &dane, EntryNumbers &numbers, const QString &key, bool found, qint64 vehicle)
{
    Cursor &ledger = dane.TKSIEGA;
    Cursor &vehicles = dane.TAUTO;
    const WorkingEnvironment &environment = dane.environment();
    const int number = numbers.next();
    ledger.append();
    ledger.field(QStringLiteral("LP")).setInteger(number);
    ledger.field(QStringLiteral("MC")).setAsString(environment.workingMonth);
    ledger.field(QStringLiteral("NRKOMP")).setAsString(key);
    ledger.field(QStringLiteral("NRKSIEG"))
        .setAsString(QStringLiteral("DK Sam. ") + environment.workingMonth + QLatin1Char('.')
                     + environment.workingYear);
    ledger.field(QStringLiteral("OPIS1")).setAsString(QStringLiteral("Koszty użytkowania samochodu"));
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
    Cursor &ledger = dane.TKSIEGA;
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
        const QString key = VehicleImportKey(vehicle, environment.workingMonth, environment.workingYear);
        if (ledger.findKey({key})) {
            ledger.edit();
            if (!ledger.isEditing())
                return counts;
            ++counts.updated;
        } else {
            startEntry(dane, numbers, key, found, vehicle);
            ++counts.added;
        }
        ledger.field(QStringLiteral("DATA")).setAsString(environment.today);
        ledger.field(QStringLiteral("K13")).setCurrency(sums.field(QStringLiteral("UP")).asCurrency());
        SaveImportedEntry(dane);
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
