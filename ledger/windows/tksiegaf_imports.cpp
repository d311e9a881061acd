// The ledger window's "Import danych" menu and the program parameters that steer it.

#include "ledger/windows/tksiegaf.h"

#include "core/data_module.h"
#include "imports/depreciation_import.h"
#include "imports/register_import.h"
#include "imports/vehicle_import.h"
#include "imports/windows/tksiegaf9.h"
#include "ledger/windows/tksiegaf1.h"

#include <QAction>

void TKSIEGAF::offerImports()
{
    const bool registers = RegisterImportOffered(dane_);
    action(QStringLiteral("Import danych/Sprzedaż"))->setEnabled(registers);
    action(QStringLiteral("Import danych/Zakupy"))->setEnabled(registers);
    action(QStringLiteral("Import danych/Ewidencja przebiegu pojazdu"))
        ->setEnabled(VehicleImportOffered(dane_));
    action(QStringLiteral("Import danych/Amortyzacja"))->setEnabled(DepreciationImportOffered(dane_));
}

void TKSIEGAF::Parametryprogramu1Click()
{
    if (!programParameters_)
        programParameters_ = std::make_unique<TKSIEGAF9>(dane_, this);
    programParameters_->execute();
}

void TKSIEGAF::Sprzeda1Click()
{
    // What was imported, or the failure that was shown, is in the book the view shows now.
    static_cast<void>(ImportRegisters(dane_, RegisterKind::Sales, *progress_, [this] { openEditor(); }));
    refreshMonthView();
}

void TKSIEGAF::Zakupy1Click()
{
    static_cast<void>(ImportRegisters(dane_, RegisterKind::Purchases, *progress_, [this] { openEditor(); }));
    refreshMonthView();
}

void TKSIEGAF::Ewidencjaprzebiegupojazdu1Click()
{
    static_cast<void>(ImportVehicleCosts(dane_));
    refreshMonthView();
}

void TKSIEGAF::Amortyzacja1Click()
{
    static_cast<void>(ImportDepreciation(dane_));
    refreshMonthView();
}
