// Reports of one page each printed into one job, texts kept inside the boxes of a form, and
// a job whose output could not be written whole or that stopped half-way.

#include "pdf_text.h"

#include "platform/print/printer_canvas.h"
#include "platform/print/recording_canvas.h"
#include "platform/print/report.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A report of one page: its title band carries its name.
void onePage(Report &report, const QString &name)
{
    report.setTitle(name);
    report.addBand(BandKind::Title, 20).addLabel({0, 0, 100, 6}, name);
}

} // namespace

TEST(ReportJobs, ReportsFollowOneAnotherOnNewPagesOfOneJob)
{
    Report first;
    Report second(PageSetup::a4(PageOrientation::Landscape));
    onePage(first, "Strona pierwsza");
    onePage(second, "Strona druga");
    RecordingCanvas canvas;
    {
        ReportJob job(canvas);
        EXPECT_TRUE(job.add(first));
        EXPECT_TRUE(job.add(second));
        EXPECT_TRUE(job.add(first));
        EXPECT_TRUE(job.end());
    }
    EXPECT_EQ(canvas.jobsBegun(), 1);
    EXPECT_EQ(canvas.jobsEnded(), 1);
    EXPECT_EQ(canvas.pageCount(), 3);
    EXPECT_EQ(canvas.jobTitle(), "Strona pierwsza");
    EXPECT_EQ(canvas.setupInForce().orientation, PageOrientation::Portrait)
        << "the first one's sheet";
    ASSERT_EQ(canvas.texts().size(), 3);
    EXPECT_EQ(canvas.texts().at(1).text, "Strona druga");
    EXPECT_EQ(canvas.texts().at(1).page, 2);
    EXPECT_EQ(canvas.texts().at(1).boxMm.top(), 0) << "each report from the top of its page";
    EXPECT_EQ(second.pagesPrinted(), 1);

    RecordingCanvas unopened;
    unopened.setFailing(true);
    ReportJob failed(unopened);
    EXPECT_FALSE(failed.add(first));
    EXPECT_FALSE(failed.add(second)) << "nothing more after a device that did not open";
    EXPECT_FALSE(failed.end());
    EXPECT_EQ(unopened.jobsBegun(), 0);
}

TEST(ReportJobs, APdfOnAFullDeviceIsNoSuccess)
{
    Report report;
    onePage(report, "Strona");
    const auto full = makePdfPrinter("/dev/full");
    PrinterCanvas canvas(*full);
    EXPECT_FALSE(report.print(canvas));
    EXPECT_EQ(canvas.failure(), PageCanvas::Failure::Output);

    QTemporaryDir dir;
    const auto file = makePdfPrinter(dir.filePath("strona.pdf"));
    PrinterCanvas written(*file);
    EXPECT_TRUE(report.print(written));
    EXPECT_EQ(written.failure(), PageCanvas::Failure::None);
    EXPECT_TRUE(pdfText(dir.filePath("strona.pdf")).contains("Strona"));
}

TEST(ReportJobs, AReportStoppedHalfWayByATotalNoAmountHoldsLeavesNoFile)
{
    // A detail row at the largest amount a box takes, more often than 64 bits can sum.
    Report report;
    report.addBand(BandKind::Detail, 1).addLabel({0, 0, 50, 1}, "99 999 999 999,99");
    IndexReportSource rows(9224);
    report.setSource(&rows);
    report.addSum("K7", [] { return *Money::parse(u"99999999999,99"); });

    QTemporaryDir dir;
    const QString file = dir.filePath("ksiega.pdf");
    const auto printer = makePdfPrinter(file);
    PrinterCanvas canvas(*printer);
    try {
        static_cast<void>(report.print(canvas));
        ADD_FAILURE() << "the report was printed";
    } catch (const AmountOverflow &overflow) {
        EXPECT_EQ(overflow.message(), "Nie można obliczyć sumy K7 na wydruku: wynik jest poza "
                                      "zakresem, jaki może mieć kwota. Polecenie przerwano.");
    }
    EXPECT_FALSE(canvas.isActive());
    EXPECT_FALSE(QFile::exists(file)) << "half a printout is no printout";

    RecordingCanvas recorded;
    EXPECT_THROW(static_cast<void>(report.print(recorded)), AmountOverflow);
    EXPECT_FALSE(recorded.isActive());
    EXPECT_EQ(recorded.jobsBegun(), 1);
}

TEST(FormBoxes, TextsKeepToTheirRectangles)
{
    Report report;
    ReportBand &band = report.addBand(BandKind::Title, 40);
    ReportElement &memo =
        band.addLabel({10, 10, 60, 9}, "pierwsza linia\ndruga linia\ntrzecia linia\nczwarta");
    memo.multiLine = true;
    memo.keepInRect = true;
    ReportElement &centred =
        band.addLabel({100, 10, 60, 20}, "w środku", {}, Qt::AlignHCenter | Qt::AlignVCenter);
    centred.multiLine = true;
    centred.keepInRect = true;
    band.addLabel({0, 30, 30, 5}, "Przedsiębiorstwo Handlowo-Usługowe").shrinkToFit = true;
    band.addLabel({40, 30, 60, 5}, "Krótka nazwa").shrinkToFit = true;
    const QString longName = "Przedsiębiorstwo Handlowo-Usługowe";
    band.addLabel({110, 30, 30, 5}, longName).cutToFit = true;
    band.addLabel({150, 30, 60, 5}, "Krótka nazwa").cutToFit = true;
    RecordingCanvas canvas;
    ASSERT_TRUE(report.print(canvas));

    const QList<CanvasItem> texts = canvas.texts();
    ASSERT_EQ(texts.size(), 7) << "two lines of the memo fit, then the centred and four names";
    const double line = texts.at(1).boxMm.top() - texts.at(0).boxMm.top();
    EXPECT_EQ(texts.at(0).text, "pierwsza linia");
    EXPECT_EQ(texts.at(1).text, QStringLiteral("druga linia…"));
    EXPECT_LE(texts.at(1).boxMm.bottom(), 19.0 + 1e-9);
    EXPECT_NEAR(texts.at(2).boxMm.top(), 10 + (20 - line) / 2, 1e-9);

    for (int i : {3, 4}) {
        canvas.setFont(texts.at(i).font);
        EXPECT_LE(canvas.textWidth(texts.at(i).text), texts.at(i).boxMm.width() + 1e-9);
    }
    EXPECT_LT(texts.at(3).font.pointSize, 10) << "shrunk to fit";
    EXPECT_EQ(texts.at(4).font.pointSize, 10) << "a text that fits keeps its size";

    // A cut name keeps its size and as many whole letters as fit before the mark.
    const QString cut = texts.at(5).text;
    ASSERT_TRUE(cut.endsWith(QChar(0x2026))) << cut.toStdString();
    const QString kept = cut.chopped(1);
    EXPECT_TRUE(longName.startsWith(kept));
    canvas.setFont(texts.at(5).font);
    EXPECT_LE(canvas.textWidth(cut), 30 + 1e-9);
    EXPECT_GT(canvas.textWidth(longName.left(kept.size() + 1) + QChar(0x2026)), 30);
    EXPECT_EQ(texts.at(5).font.pointSize, 10);
    EXPECT_EQ(texts.at(6).text, "Krótka nazwa") << "a text that fits is not marked";
    EXPECT_EQ(report.pagesPrinted(), 1);
}
