#pragma once
// The month's ledger on paper: "Podgląd str 1", "Podgląd str 2" and "Wydruk księgi". Each
// prepares the print (carried totals and page offset from the previous month's running row,
// the page numbering dialog, the header labels and margins), shows or prints its halves and
// stores the highest page printed in the month's running row.
//
//   LedgerPrintout printout(dane);                       // kept for the run
//   PreviewLedgerHalf(dane, printout, 2, devices);       // "Podgląd str 2"
//   PrintLedger(dane, printout, devices);                // "Wydruk księgi"

#include "print/ledger_book_layout.h"
#include "print/ledger_pages.h"

#include <QMarginsF>
#include <QString>

#include <memory>

class Report;
class TDANE;

// The windows a ledger printout opens: the program shows them, the command line answers
// from its options and writes a file.
class LedgerPrintDevices {
public:
    virtual ~LedgerPrintDevices() = default;
    // The page numbering dialog for `month`, its edit holding `proposed`; the text typed.
    virtual QString firstPageNumber(const QString &month, int proposed) = 0;
    // The printer set-up dialog, then the preview window. False when the set-up was cancelled.
    virtual bool preview(Report &report) = 0;
    // The printer set-up dialog, then the print. False when cancelled or when the print
    // failed, which the device has reported.
    virtual bool print(Report &report) = 0;
    // Called once the printout is done, before its page count is stored: false when what was
    // printed did not reach its device whole (reported).
    virtual bool finish() { return true; }
};

class LedgerPrintout {
public:
    explicit LedgerPrintout(TDANE &dane);
    LedgerPrintout(const LedgerPrintout &) = delete;
    LedgerPrintout &operator=(const LedgerPrintout &) = delete;
    ~LedgerPrintout();

    // Half 1 or 2 in the form of the working year's book, made on first use and made again
    // for the ledger of another year, which may be kept in the other form.
    Report &half(int number);
    LedgerPrintState &state() { return state_; }
    // The layout of the working year's book.
    const LedgerBookLayout &layout() const;

private:
    TDANE &dane_;
    // What the halves were made for.
    const LedgerBookLayout *builtLayout_ = nullptr;
    QString builtLedger_;
    LedgerPrintState state_;
    std::unique_ptr<Report> halves_[2];
};

// The question asked between the halves of "Wydruk księgi".
QString TurnSheetsQuestion();

// Both margins of the ledger printout: `P3` left and `P2` top of the parameter record, 10 mm
// each when either cannot be read. No right margin: the columns keep their widths.
QMarginsF LedgerMargins(TDANE &dane);

// "Podgląd str n". False when nothing was shown: month "13" (silently), a page number that is
// not a whole number (reported, the offset kept), a cancelled set-up.
bool PreviewLedgerHalf(TDANE &dane, LedgerPrintout &printout, int half,
                       LedgerPrintDevices &devices);
// "Wydruk księgi": half 1, the question, half 2 on Yes. False as the preview, or when a
// half did not print.
bool PrintLedger(TDANE &dane, LedgerPrintout &printout, LedgerPrintDevices &devices);
