// The "Wydruki" menu of the ledger window and its print parameters.

#include "core/data_module.h"
#include "ledger/windows/tksiegaf.h"
#include "platform/print/report.h"
#include "platform/widgets/report_preview.h"
#include "print/ledger_printout.h"
#include "print/ledger_title_page.h"
#include "print/windows/qt_ledger_print_devices.h"
#include "print/windows/tksiegad3.h"
#include "print/windows/tksiegaf8.h"

LedgerPrintout &TKSIEGAF::printout()
{
    if (!printout_)
        printout_ = std::make_unique<LedgerPrintout>(dane_);
    return *printout_;
}

QtLedgerPrintDevices &TKSIEGAF::printDevices()
{
    if (!printDevices_)
        printDevices_ = std::make_unique<QtLedgerPrintDevices>(dane_.prompter(), this);
    return *printDevices_;
}

void TKSIEGAF::Wydrukksigi1Click()
{
    PrintLedger(dane_, printout(), printDevices());
}

void TKSIEGAF::Podgldstr11Click()
{
    PreviewLedgerHalf(dane_, printout(), 1, printDevices());
}

void TKSIEGAF::Podgldstr21Click()
{
    PreviewLedgerHalf(dane_, printout(), 2, printDevices());
}

void TKSIEGAF::Stronatytuowaksigi1Click()
{
    if (!titlePage_) {
        titlePage_ = std::make_unique<Report>();
        BuildLedgerTitlePage(*titlePage_);
    }
    previewReport(*titlePage_, dane_.prompter(), this);
}

void TKSIEGAF::Wydrukowiadczenia1Click()
{
    if (!statement_)
        statement_ = std::make_unique<TKsiegaD3>(dane_.prompter(), this);
    statement_->exec();
}

void TKSIEGAF::Parametrywydruku1Click()
{
    if (!printParameters_)
        printParameters_ = std::make_unique<TKSIEGAF8>(dane_, this);
    printParameters_->execute();
}
