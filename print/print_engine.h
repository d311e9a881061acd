#pragma once
// The text print engine. A report writes lines of plain text, each optionally opened by a
// control code ("&G" condensed, "&N" normal, "&R" wide, "&W" page break); the engine sends
// them to one of four outputs: a printer of the system drawn line by line in 1/300 inch, a
// line printer on a parallel port (raw bytes with Epson control codes), a text file without
// form lines, or a text file kept whole. By default the lines collect in a buffer that the
// engine window shows for preview, editing and printing ("DRUKUJ"); in direct mode
// (`Bufor`) they go to the output as they are written. One engine serves the whole run.
//
//   engine.START("Zestawienie", false, rows, 0, true);
//   engine.PISZ("&GLp  Nazwa ...");  engine.Postep();  ...
//   engine.STOP(true);

#include "platform/print/page_canvas.h"
#include "print/print_context.h"
#include "print/print_dialogs.h"
#include "print/print_grid.h"
#include "print/print_types.h"
#include "print/text_channel.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <array>

class PrinterList;
class Progress;
class Prompter;
class QSettings;

class TDRUK {
public:
    TDRUK(const PrintContext &context, PrinterList &printers, PrintDialogs &dialogs,
          Prompter &prompter, Progress &progress);
    ~TDRUK();
    TDRUK(const TDRUK &) = delete;
    TDRUK &operator=(const TDRUK &) = delete;

    // ---- the engine's state, in its traditional order --------------------------------
    TTypWydruku TypWydruku = drWINDOWS;
    TPort Port = drLPT1;
    TEKSPORT Eksport = drTXT;
    TRODZAJ Rodzaj = drAUTO;
    TPL Pl = drBRAK;
    bool Podzial = false;  // automatic page splitting ("podział strony")
    bool Bufor = false;    // "bez bufora": lines go straight to the output
    int IlLinNag = 0;      // caller heading lines held in TextNag
    static constexpr int TextNagSize = 11;
    // Heading lines repeated after every automatic page break; entries 1..11, 0 unused.
    std::array<QString, TextNagSize + 1> TextNag;
    bool NagSys = false;   // the system page header is printed
    QString Tytul;
    int Strona = 0;        // current page
    int Linia = 0;         // lines on the current page (port and file outputs)
    int MarG = 0;          // top margin in lines
    int MarL = 0;          // left margin: spaces on a port, 20/300 inch on a printer
    int MaxLiniaDOS = 70;  // page length in lines on a port

    // ---- start-up and settings ---------------------------------------------------------
    // Reads the saved settings and the logo; with no printer in the system it only warns.
    void startUp(QSettings &settings);
    // "ZAPISZ USTAWIENIA".
    void saveSettings(QSettings &settings) const;

    // ---- a report ----------------------------------------------------------------------
    void START(const QString &TYT, bool ZlTyt, int MaxLicz, int LinNag, bool ZlNaGSyS);
    void PISZ(const QString &line);
    void Postep();
    void STOP(bool ZlStopka);
    // The page header: margin lines, the header line and the title line.
    void Naglowek();
    QString headerLine() const;

    // The rows of a grid as a framed text table, with an ordinal column when POLE begins
    // with "LP" and totals under the columns POLE names ("LP;K7;K8;").
    void DrukujTabeleX(const PrintGrid &DBGrid, const QString &TYT, QString POLE, int IlTexNag);

    // "DRUKUJ": prints the text through the chosen output, a line at each line break; text
    // after the last break is not printed. False when the output could not be opened or
    // lost a line (the message said why).
    [[nodiscard]] bool DRUKUJ(const QString &text);

    // ---- what the engine window shows --------------------------------------------------
    const QString &buffer() const { return buffer_; }
    // Whether a report has been closed in this run (the preview then changes its font).
    bool reportClosed() const { return reportClosed_; }
    const QImage &logo() const { return logo_; }
    PrinterList &printers() { return printers_; }
    // Whether an output is open: in direct mode from START until STOP, unless it failed.
    bool isOutputOpen() const { return openOutput_.has_value(); }
    // Whether everything printed since the output was last opened reached it: false once
    // the output could not be opened, a write to it failed or its end could not be written.
    bool outputComplete() const { return !outputFailed_; }

private:
    // Ends a report that failed before its STOP: nothing of it is printed, an export file it
    // began is removed and the engine window is not shown, so that no part passes for the whole.
    void abandonReport();
    bool StartWydruku();
    void KoniecWydruku();
    void printLine(const QString &line);
    void writeHeaderLines(void (TDRUK::*lineRoutine)(const QString &), const QString &marginLine);
    std::optional<int> conversionCode() const;

    // drWINDOWS (print_engine_printer.cpp)
    bool startPrinter();
    void keepPrinterLine(const QString &line);
    bool printKeptLines();
    double widestPrinterLine(const PageCanvas &canvas, const QStringList &lines, double scale);
    double scaleToFit(const PageCanvas &canvas, const QStringList &lines, double width);
    QString takeSizeCodes(QString line);
    void printerLine(const QString &line);
    void printerPageWithHeader();
    // The channel of drDOS, drEKSPORT and drBW opened, or the reason shown and false.
    bool openChannel(const QString &path, TextChannel::Target target, const QString &failure);
    // A line to the channel; a failed write is reported once and closes the output, so the
    // rest of the report is not written past the hole.
    void channelLine(const QString &text, const QByteArray &prefix = QByteArray());
    void outputLost(const QString &name);
    // drDOS (print_engine_port.cpp)
    bool startPort();
    void portLine(const QString &line);
    void portPageBreak();
    // drEKSPORT and drBW (print_engine_export.cpp)
    bool startExport();
    void exportLine(const QString &line);
    void wholeFileLine(const QString &line);

    PrintContext context_;
    PrinterList &printers_;
    PrintDialogs &dialogs_;
    Prompter &prompter_;
    Progress &progress_;

    QString buffer_;
    bool reportClosed_ = false;
    QImage logo_;

    // the output while it is open
    std::optional<TTypWydruku> openOutput_;
    bool outputFailed_ = false;
    bool inPageHeader_ = false;
    QByteArray pitch_;          // port pitch code in force
    int fontSize_ = 8;          // printer font size in force
    // The printer's lines wait for the end of the print: its widest line decides the sheet's
    // orientation and the type's scale before the first is drawn.
    QStringList printerLines_;
    double printerScale_ = 1;
    PageCanvas *canvas_ = nullptr;
    int pageHeight_ = 0;        // in 1/300 inch
    int verticalPosition_ = 0;  // in 1/300 inch
    TextChannel channel_;
};
