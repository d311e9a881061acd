// The report layer: bands in their places, page numbers with an offset, running sums per
// page and per report, alignment, multi-line fields, and a PDF a person can read.

#include "pdf_text.h"

#include "platform/print/recording_canvas.h"
#include "platform/print/report.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// A4 upright with 10 mm margins: 277 mm to fill. Header 20 mm and footer 17 mm leave
// 240 mm, twelve 20 mm rows a page.
class BandedReport : public ::testing::Test {
protected:
    BandedReport()
    {
        amounts.resize(30);
        for (int i = 0; i < 30; ++i)
            amounts[i] = Money::fromGrosze(100 * (i + 1) + 1); // 1,01 2,01 ...
        ReportBand &header = report.addBand(BandKind::PageHeader, 20);
        header.addField({150, 0, 40, 6}, [](const ReportState &state) {
            return QStringLiteral("Strona: %1").arg(state.pageNumber());
        }, {}, Qt::AlignRight | Qt::AlignTop);
        ReportBand &detail = report.addBand(BandKind::Detail, 20);
        detail.addField({0, 0, 40, 6}, [this](const ReportState &) {
            return QStringLiteral("Wiersz %1").arg(rows.index() + 1);
        });
        detail.addField({150, 0, 40, 6}, [this](const ReportState &) {
            return amounts.at(rows.index()).toString();
        }, {}, Qt::AlignRight | Qt::AlignTop);
        ReportBand &footer = report.addBand(BandKind::PageFooter, 17);
        footer.addField({0, 0, 90, 6}, [](const ReportState &state) {
            return "Razem strona: " + state.pageSum("K").toString();
        });
        footer.addField({0, 8, 90, 6}, [](const ReportState &state) {
            return "Razem od początku: " + state.reportSum("K").toString();
        });
        report.addSum("K", [this] { return amounts.at(rows.index()); });
        report.setSource(&rows);
    }

    QStringList textsOnPage(int page) const
    {
        QStringList texts;
        for (const CanvasItem &item : canvas.textsOnPage(page))
            texts.append(item.text);
        return texts;
    }

    QList<Money> amounts;
    IndexReportSource rows{30};
    Report report;
    RecordingCanvas canvas;
};

TEST_F(BandedReport, PageNumbersCarryTheOffset)
{
    report.setPageOffset(14);
    ASSERT_TRUE(report.print(canvas));
    EXPECT_EQ(report.pagesPrinted(), 3);
    EXPECT_EQ(textsOnPage(1).constFirst(), "Strona: 15");
    EXPECT_EQ(textsOnPage(3).constFirst(), "Strona: 17");
    EXPECT_EQ(canvas.setupInForce(), PageSetup::a4());
}

TEST_F(BandedReport, PageSumsStartAgainOnEveryPage)
{
    ASSERT_TRUE(report.print(canvas));
    // Rows 1..12 on page 1, 13..24 on page 2, 25..30 on page 3.
    const auto sum = [this](int from, int to) {
        Money total;
        for (int i = from; i <= to; ++i)
            total += amounts.at(i - 1);
        return total.toString();
    };
    EXPECT_TRUE(textsOnPage(1).contains("Razem strona: " + sum(1, 12)));
    EXPECT_TRUE(textsOnPage(1).contains("Razem od początku: " + sum(1, 12)));
    EXPECT_TRUE(textsOnPage(2).contains("Razem strona: " + sum(13, 24)));
    EXPECT_TRUE(textsOnPage(2).contains("Razem od początku: " + sum(1, 24)));
    EXPECT_TRUE(textsOnPage(3).contains("Razem strona: " + sum(25, 30)));
    EXPECT_TRUE(textsOnPage(3).contains("Razem od początku: " + sum(1, 30)));
    EXPECT_EQ(sum(1, 30), "465,30");
}

TEST_F(BandedReport, BandsStandWhereTheyBelong)
{
    ASSERT_TRUE(report.print(canvas));
    const QList<CanvasItem> page = canvas.textsOnPage(1);
    const CanvasItem &amount = page.at(2);
    EXPECT_EQ(amount.text, "1,01");
    EXPECT_TRUE(amount.alignment & Qt::AlignRight);
    EXPECT_EQ(amount.boxMm, QRectF(150, 20, 40, 6));
    EXPECT_EQ(page.at(3).boxMm.top(), 40);      // the second row under the first
    EXPECT_EQ(page.constLast().boxMm.top(), 268); // the footer at the foot: 277 − 17 + 8
}

TEST_F(BandedReport, TitleOnceSummaryAfterTheLastRowOnANewPageWhenFull)
{
    report.addBand(BandKind::Title, 10).addLabel({0, 0, 100, 8}, "Tytuł raportu");
    report.addBand(BandKind::ColumnHeader, 10).addLabel({0, 0, 100, 8}, "Kolumny");
    report.addBand(BandKind::Summary, 30).addField({0, 0, 100, 8}, [](const ReportState &state) {
        return "Razem: " + state.reportSum("K").toString();
    });
    // Under the title the first page holds eleven rows, and so does the second under its
    // column header; the summary no longer fits under the 22nd row.
    rows = IndexReportSource(22);
    ASSERT_TRUE(report.print(canvas));
    EXPECT_EQ(report.pagesPrinted(), 3);
    EXPECT_EQ(textsOnPage(1).count("Tytuł raportu"), 1);
    EXPECT_EQ(textsOnPage(2).count("Tytuł raportu"), 0);
    EXPECT_EQ(textsOnPage(2).count("Kolumny"), 1);
    EXPECT_TRUE(textsOnPage(2).contains("Wiersz 22"));
    EXPECT_TRUE(textsOnPage(3).constFirst().startsWith("Strona"));
    EXPECT_TRUE(textsOnPage(3).contains("Razem: 253,22"));
}

TEST_F(BandedReport, MultiLineFieldStretchesItsBandAndFrame)
{
    Report memo;
    ReportBand &detail = memo.addBand(BandKind::Detail, 8);
    detail.addRect({0, 0, 60, 8}).stretchWithBand = true;
    detail.addField({1, 1, 58, 6}, [](const ReportState &) {
        return QStringLiteral("pierwsza linia\ndruga linia\ntrzecia");
    }).multiLine = true;
    IndexReportSource two(2);
    memo.setSource(&two);
    ASSERT_TRUE(memo.print(canvas));
    const QList<CanvasItem> texts = canvas.texts();
    ASSERT_EQ(texts.size(), 6);
    const double lineHeight = texts.at(1).boxMm.top() - texts.at(0).boxMm.top();
    EXPECT_GT(lineHeight, 0);
    EXPECT_EQ(texts.at(2).text, "trzecia");
    const double bandHeight = 1 + 3 * lineHeight;
    EXPECT_NEAR(texts.at(3).boxMm.top(), bandHeight + 1, 1e-9);
    const CanvasItem &frame = canvas.items().at(0);
    EXPECT_EQ(frame.kind, CanvasItem::Kind::Rect);
    EXPECT_NEAR(frame.boxMm.height(), bandHeight, 1e-9);
}

TEST_F(BandedReport, PdfReadsLikeTheReport)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("raport.pdf");
    report.setPageOffset(4);
    ASSERT_TRUE(report.printToPdf(file));
    const QString text = pdfText(file);
    EXPECT_EQ(pdfInfo(file, "Pages"), "3");
    EXPECT_TRUE(text.contains("Strona: 5"));
    EXPECT_TRUE(text.contains("Wiersz 30"));
    EXPECT_TRUE(text.contains("Razem od początku: 465,30")) << text.toStdString();
}
