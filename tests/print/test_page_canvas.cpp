// The page canvas: sheets and margins, units, what a recording keeps, and a PDF as a person
// would read it.

#include "pdf_text.h"

#include "platform/print/printer_canvas.h"
#include "platform/print/recording_canvas.h"

#include <QPaintEngine>
#include <QPrintEngine>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A desk printer as its driver describes it: a border it cannot print on, and perhaps no
// paper of a custom size. Like a driver it takes what it can of a page layout and keeps
// its own for the rest; the printer then reports the layout as not taken.
class DeskPrintEngine final : public QPrintEngine {
public:
    DeskPrintEngine(const QMarginsF &borderMm, bool customPaper)
        : border_(borderMm), customPaper_(customPaper),
          layout_(QPageSize(QPageSize::A4), QPageLayout::Portrait, borderMm,
                  QPageLayout::Millimeter, borderMm)
    {
    }

    void setProperty(PrintEnginePropertyKey key, const QVariant &value) override
    {
        if (key != PPK_QPageLayout) {
            properties_.insert(key, value);
            return;
        }
        const QPageLayout wanted = value.value<QPageLayout>();
        const QPageSize paper = customPaper_ || wanted.pageSize().id() != QPageSize::Custom
                                    ? wanted.pageSize()
                                    : layout_.pageSize();
        QPageLayout taken(paper, wanted.orientation(), border_, QPageLayout::Millimeter, border_);
        taken.setMargins(wanted.margins(QPageLayout::Millimeter)); // refused inside the border
        layout_ = taken;
    }
    QVariant property(PrintEnginePropertyKey key) const override
    {
        switch (key) {
        case PPK_QPageLayout:
            return QVariant::fromValue(layout_);
        case PPK_PrinterName:
            return QStringLiteral("Biurowa");
        case PPK_Resolution:
            return 300;
        default:
            return properties_.value(key);
        }
    }
    bool newPage() override { return true; }
    bool abort() override { return false; }
    int metric(QPaintDevice::PaintDeviceMetric metric) const override
    {
        const QRect paint = layout_.paintRectPixels(300);
        switch (metric) {
        case QPaintDevice::PdmWidth:
            return paint.width();
        case QPaintDevice::PdmHeight:
            return paint.height();
        case QPaintDevice::PdmWidthMM:
            return qRound(layout_.paintRect(QPageLayout::Millimeter).width());
        case QPaintDevice::PdmHeightMM:
            return qRound(layout_.paintRect(QPageLayout::Millimeter).height());
        case QPaintDevice::PdmDpiX:
        case QPaintDevice::PdmDpiY:
        case QPaintDevice::PdmPhysicalDpiX:
        case QPaintDevice::PdmPhysicalDpiY:
            return 300;
        case QPaintDevice::PdmDevicePixelRatio:
            return 1;
        case QPaintDevice::PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        default:
            return 1;
        }
    }
    QPrinter::PrinterState printerState() const override { return QPrinter::Idle; }

private:
    QMarginsF border_;
    bool customPaper_;
    QPageLayout layout_;
    QHash<int, QVariant> properties_;
};

// Counts the jobs that reached the paper.
class CountingPaintEngine final : public QPaintEngine {
public:
    bool begin(QPaintDevice *) override
    {
        ++jobs;
        return true;
    }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    Type type() const override { return QPaintEngine::User; }

    int jobs = 0;
};

class DeskPrinter final : public QPrinter {
public:
    DeskPrinter(DeskPrintEngine &print, CountingPaintEngine &paint)
    {
        setEngines(&print, &paint);
    }
};

QMarginsF marginsMm(const QPrinter &printer)
{
    return printer.pageLayout().margins(QPageLayout::Millimeter);
}

} // namespace

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

TEST(PrinterCanvasUse, MarginsInsideThePrintersBorderGrowToItAndTheSheetComesBack)
{
    DeskPrintEngine driver(QMarginsF(6, 5, 6, 5), true);
    CountingPaintEngine paper;
    DeskPrinter printer(driver, paper);
    PrinterCanvas canvas(printer);
    PageSetup envelope = PageSetup::note(PageOrientation::Landscape);
    envelope.marginsMm = QMarginsF(2, 30, 10, 10);

    ASSERT_TRUE(canvas.begin("Etykieta", envelope));
    EXPECT_EQ(canvas.failure(), PageCanvas::Failure::None);
    EXPECT_EQ(paper.jobs, 1);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_NEAR(printer.pageLayout().fullRect(QPageLayout::Millimeter).width(), 279.0, 0.01);
    EXPECT_NEAR(marginsMm(printer).left(), 6, 0.01) << "grown to the border";
    EXPECT_NEAR(marginsMm(printer).top(), 30, 0.01) << "kept";
    EXPECT_NEAR(canvas.drawableSize().width(), 279.0 - 6 - 10, 0.01);
    canvas.end();

    // The next job without a sheet of its own, as the text engine prints, gets the printer's.
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    ASSERT_TRUE(canvas.begin("Zestawienie"));
    EXPECT_NEAR(canvas.drawableSize().width(), 210.0 - 12, 0.01);
    canvas.end();
}

TEST(PrinterCanvasUse, APrinterWithoutTheSheetPrintsNothing)
{
    DeskPrintEngine driver(QMarginsF(5, 5, 5, 5), false);
    CountingPaintEngine paper;
    DeskPrinter printer(driver, paper);
    PrinterCanvas canvas(printer);

    EXPECT_FALSE(canvas.begin("Etykieta", PageSetup::note(PageOrientation::Landscape)));
    EXPECT_EQ(canvas.failure(), PageCanvas::Failure::PageSetup);
    EXPECT_FALSE(canvas.isActive());
    EXPECT_EQ(paper.jobs, 0) << "not on the wrong sheet";
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);

    ASSERT_TRUE(canvas.begin("Zestawienie", PageSetup::a4(PageOrientation::Landscape)));
    EXPECT_EQ(canvas.failure(), PageCanvas::Failure::None) << "a sheet it has is taken";
    canvas.end();
    EXPECT_EQ(paper.jobs, 1);

    RecordingCanvas unopened;
    unopened.setFailing(true);
    EXPECT_FALSE(unopened.begin("Zestawienie"));
    EXPECT_EQ(unopened.failure(), PageCanvas::Failure::Device);
}
