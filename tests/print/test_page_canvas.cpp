// The page canvas: sheets and margins, units, what a recording keeps, and a PDF as a person
// would read it.

#include "pdf_text.h"

#include "platform/print/printer_canvas.h"
#include "platform/print/recording_canvas.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PageSetupSheets, SizesFollowTheOrientation)
{
    EXPECT_EQ(PageSetup::a4(PageOrientation::Landscape).pageSizeMm(), QSizeF(297, 210));
    EXPECT_EQ(PageSetup::note().pageSizeMm(), QSizeF(215.9, 279.0));
    PageSetup envelope = PageSetup::note(PageOrientation::Landscape);
    envelope.marginsMm = QMarginsF(12, 30, 10, 10);
    EXPECT_EQ(envelope.pageSizeMm(), QSizeF(279.0, 215.9));
    EXPECT_EQ(envelope.contentRectMm(), QRectF(12, 30, 257.0, 175.9));
    const QPageLayout layout = envelope.pageLayout();
    EXPECT_NEAR(layout.fullRect(QPageLayout::Millimeter).width(), 279.0, 0.01);
    EXPECT_NEAR(layout.fullRect(QPageLayout::Millimeter).height(), 215.9, 0.01);
    EXPECT_NEAR(layout.margins(QPageLayout::Millimeter).top(), 30, 0.01);
}

TEST(RecordingCanvasUse, KeepsPositionsFontsAndPagesInEitherUnit)
{
    RecordingCanvas canvas;
    ASSERT_TRUE(canvas.begin("Próba", PageSetup::a4()));
    canvas.setUnit(CanvasUnit::Dot300);
    EXPECT_NEAR(canvas.drawableSize().height(), 277.0 * 300 / 25.4, 1e-6);
    canvas.setFont(PrintFont::fixed("Lucida Console", 12));
    canvas.drawText(QPointF(300, 600), "Zażółć");
    canvas.newPage();
    canvas.setUnit(CanvasUnit::Millimetre);
    canvas.drawLine({0, 0}, {100, 0}, 0.5);
    canvas.drawRect({10, 10, 20, 5});
    canvas.drawImage({0, 0, 10, 10}, QImage(8, 8, QImage::Format_RGB32));
    canvas.end();

    ASSERT_EQ(canvas.items().size(), 4);
    const CanvasItem &text = canvas.items().at(0);
    EXPECT_EQ(text.text, "Zażółć");
    EXPECT_EQ(text.page, 1);
    EXPECT_NEAR(text.boxMm.left(), 25.4, 1e-9);
    EXPECT_NEAR(text.boxMm.top(), 50.8, 1e-9);
    EXPECT_EQ(text.position(CanvasUnit::Dot300), QPointF(300, 600));
    EXPECT_EQ(text.font.pointSize, 12);
    EXPECT_GT(text.boxMm.width(), 0);
    EXPECT_EQ(canvas.items().at(1).page, 2);
    EXPECT_EQ(canvas.items().at(1).penWidthMm, 0.5);
    EXPECT_EQ(canvas.items().at(3).imageSize, QSize(8, 8));
    EXPECT_EQ(canvas.pageCount(), 2);
    EXPECT_EQ(canvas.jobsEnded(), 1);
}

TEST(RecordingCanvasUse, NothingIsDrawnOutsideAJob)
{
    RecordingCanvas canvas;
    canvas.drawText(QPointF(0, 0), "przed");
    canvas.setFailing(true);
    EXPECT_FALSE(canvas.begin("Próba"));
    canvas.drawText(QPointF(0, 0), "po");
    EXPECT_TRUE(canvas.items().isEmpty());
}

TEST(RecordingCanvasUse, WrapsAtLineBreaksAndBetweenWords)
{
    RecordingCanvas canvas;
    canvas.setFont(PrintFont::fixed("Courier New", 10));
    const double tenLetters = canvas.textWidth("ABCDEFGHIJ");
    EXPECT_EQ(canvas.wrapLines("alfa beta gamma\ndelta", tenLetters),
              (QStringList{"alfa beta", "gamma", "delta"}));
    EXPECT_EQ(canvas.wrapLines("ABCDEFGHIJKLMNOPQRSTUVWXY", tenLetters),
              (QStringList{"ABCDEFGHIJ", "KLMNOPQRST", "UVWXY"}));
    EXPECT_EQ(canvas.wrapLines(QString(), tenLetters), QStringList{QString()});
}

TEST(PrinterCanvasUse, PdfHoldsTheTextOnItsPagesAndSheet)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("proba.pdf");
    {
        const auto printer = makePdfPrinter(file);
        PrinterCanvas canvas(*printer);
        PageSetup sheet = PageSetup::note(PageOrientation::Landscape);
        ASSERT_TRUE(canvas.begin("Próba", sheet));
        EXPECT_NEAR(canvas.drawableSize().width(), 259.0, 0.1);
        canvas.setFont(PrintFont{});
        canvas.drawText(QPointF(10, 10), "Pierwsza strona: Zażółć gęślą jaźń");
        canvas.drawRect({5, 5, 100, 20});
        canvas.newPage();
        canvas.drawText(QRectF(0, 0, 200, 10), "Druga strona", Qt::AlignRight);
        canvas.end();
    }
    const QString text = pdfText(file);
    EXPECT_TRUE(text.contains("Pierwsza strona: Zażółć gęślą jaźń")) << text.toStdString();
    EXPECT_TRUE(text.contains("Druga strona"));
    EXPECT_EQ(pdfInfo(file, "Pages"), "2");
    EXPECT_EQ(pdfInfo(file, "Page size"), "791 x 612 pts"); // 279.0 × 215.9 mm
}
