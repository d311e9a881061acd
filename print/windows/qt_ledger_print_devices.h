#pragma once
// The windows of the ledger printouts in the program: the page numbering dialog, the system
// printer set-up, the preview and the printer.

#include "print/ledger_printout.h"

#include <memory>

class Prompter;
class QWidget;
class TKSIEGAF5;

// The printer set-up dialog, then the report on the printer chosen. False when the set-up
// was cancelled, or when the print failed, which is then reported.
bool PrintOnChosenPrinter(Report &report, Prompter &prompter, QWidget *parent);

class QtLedgerPrintDevices final : public LedgerPrintDevices {
public:
    QtLedgerPrintDevices(Prompter &prompter, QWidget *parent);
    ~QtLedgerPrintDevices() override;

    QString firstPageNumber(const QString &month, int proposed) override;
    bool preview(Report &report) override;
    bool print(Report &report) override;

private:
    Prompter &prompter_;
    QWidget *parent_;
    std::unique_ptr<TKSIEGAF5> numbering_;
};
