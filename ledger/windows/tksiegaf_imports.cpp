// The ledger window's "Import danych" menu and the program parameters that steer it.

#include "ledger/windows/tksiegaf.h"

#include "core/data_module.h"
#include "imports/depreciation_import.h"
#include "imports/register_import.h"
#include "imports/vehicle_import.h"
#include "imports/windows/tksiegaf9.h"
#include "ledger/windows/tksiegaf1.h"

#include <QAction>
#include <QLabel>

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

void TKSIEGAF::importDone(const ImportResult &result)
{
    // A failure or refusal has been shown in its box; what was imported is said where the
    // window gives its hints, and the view shows the book as it now is either way.
    if (result.imported())
        hint_->setText(ImportedEntriesText(result.counts));
    refreshMonthView();
}

void TKSIEGAF::Sprzeda1Click()
{
    importDone(ImportRegisters(dane_, RegisterKind::Sales, *progress_, [this] { openEditor(); }));
}

void TKSIEGAF::Zakupy1Click()
{
    importDone(ImportRegisters(dane_, RegisterKind::Purchases, *progress_, [this] { openEditor(); }));
}

void TKSIEGAF::Ewidencjaprzebiegupojazdu1Click()
{
    importDone(ImportVehicleCosts(dane_));
}

void TKSIEGAF::Amortyzacja1Click()
{
    importDone(ImportDepreciation(dane_));
}
