#pragma once
// The windows of the ledger printouts in the program: the page numbering dialog, the system
// printer set-up, the preview and the printer.

#include "print/ledger_printout.h"

#include <memory>

class Prompter;
class QWidget;
class TKSIEGAF5;

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
