#pragma once
// A banded page report: a page header on every page, a title on the first, a column header
// under the page header, one detail band per row of the source, a summary after the last
// row and a page footer at the foot of every page. Values are functions of the report's
// state (page number with its offset, running sums per page and per report) and of whatever
// row the source stands on. Reports print to any canvas: a printer, a PDF file, a preview.
//
//   Report report(PageSetup::a4(PageOrientation::Landscape));
//   ReportBand &detail = report.addBand(BandKind::Detail, 6);
//   detail.addField({0, 0, 30, 5}, [&](const ReportState &) { return cursor.field("K7")... });
//   report.addSum("K7", [&] { return cursor.field("K7").asCurrency(); });
//   CursorReportSource rows(cursor);
//   report.setSource(&rows);
//   report.printToPdf("/tmp/x.pdf");

#include "platform/print/page_setup.h"
#include "platform/print/report_band.h"
#include "platform/print/report_source.h"

#include <QList>
#include <QString>

#include <functional>
#include <map>

class PageCanvas;
class QPrinter;

class Report {
public:
    explicit Report(const PageSetup &setup = PageSetup::a4());

    PageSetup &pageSetup() { return setup_; }
    const PageSetup &pageSetup() const { return setup_; }
    void setTitle(const QString &title) { title_ = title; } // the print job's name
    const QString &title() const { return title_; }

    // A report has at most one band of each kind; adding one again replaces it.
    ReportBand &addBand(BandKind kind, double heightMm);
    ReportBand *band(BandKind kind);

    // Without a source the detail band does not print.
    void setSource(ReportSource *source) { source_ = source; }
    // A value summed over the detail rows, readable as a page sum and a report sum.
    void addSum(const QString &name, std::function<Money()> value);
    void setPageOffset(int offset) { pageOffset_ = offset; }
    int pageOffset() const { return pageOffset_; }

    // False when the device could not be opened or did not take the whole job.
    bool print(PageCanvas &canvas);
    bool print(QPrinter &printer);
    bool printToPdf(const QString &fileName);
    // Pages of the last print.
    int pagesPrinted() const { return pagesPrinted_; }

private:
    friend class ReportRun;
    friend class ReportJob;

    PageSetup setup_;
    QString title_;
    std::map<BandKind, ReportBand> bands_;
    ReportSource *source_ = nullptr;
    QList<QPair<QString, std::function<Money()>>> sums_;
    int pageOffset_ = 0;
    int pagesPrinted_ = 0;
};

// Reports printed one after the other as one job, each from a new page: a form whose pages
// are reports of their own goes into one file. The job has the title and sheet of its first
// report.
//
//   ReportJob job(canvas);
//   bool printed = job.add(first) && job.add(second);
//   printed = job.end() && printed;
class ReportJob {
public:
    explicit ReportJob(PageCanvas &canvas) : canvas_(canvas) {}
    ~ReportJob();
    ReportJob(const ReportJob &) = delete;
    ReportJob &operator=(const ReportJob &) = delete;

    // False when the device could not be opened; the job prints nothing more then.
    bool add(Report &report);
    // False when the job failed at any point, its end included.
    bool end();

private:
    PageCanvas &canvas_;
    bool begun_ = false;
    bool failed_ = false;
};
