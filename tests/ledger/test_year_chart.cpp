#include "ledger/posting.h"
#include "ledger/year_chart.h"
#include "sums_fixture.h"
#include "tests/support/test_application.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

namespace {

const QRgb Revenue = qRgb(0x2e, 0x75, 0xb6);
const QRgb Costs = qRgb(0xe6, 0x7e, 0x22);
const QRgb Income = qRgb(0x27, 0xae, 0x60);

QImage drawn(const QList<YearChartMonth> &months)
{
    QImage image(1200, 800, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawYearChart(painter, QRectF(image.rect()), months, YearChartTitle(QStringLiteral("2026")));
    return image;
}

// The topmost and lowest rows of the plot holding a pixel of the colour (below the title and
// the legend, which show the colours too); {-1, -1} when none does.
std::pair<int, int> rowsOf(const QImage &image, QRgb colour)
{
    int top = -1;
    int bottom = -1;
    for (int y = image.height() / 8; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) {
                top = top < 0 ? y : top;
                bottom = y;
                break;
            }
    return {top, bottom};
}

YearChartMonth month(const char *revenue, const char *costs)
{
    return {*Money::parse(QString::fromLatin1(revenue)), *Money::parse(QString::fromLatin1(costs))};
}

} // namespace

class YearChart : public SumsTest {
protected:
    TestApplication<QGuiApplication> application;
};

TEST_F(YearChart, MonthsTakeRevenueFromColumnNineAndCostsFromTenElevenAndFourteen)
{
    start();
    addEntry(1, "01", {{"K7", "1000"}, {"K8", "20,50"}, {"K10", "200"}, {"K11", "10"}, {"K12", "5"}});
    addEntry(2, "03", {{"K13", "300,01"}});
    for (const char *posted : {"01", "02", "03"})
        ASSERT_EQ(PostMonth(*dane, posted), PostingOutcome::Posted) << posted;

    const QList<YearChartMonth> months = YearChartMonths(*dane);
    ASSERT_EQ(months.size(), 12);
    EXPECT_EQ(months[0].revenue.toString(2), "1020,50");
    EXPECT_EQ(months[0].costs.toString(2), "215,00");
    EXPECT_EQ(months[0].income().toString(2), "805,50");
    EXPECT_TRUE(months[1].revenue.isZero() && months[1].costs.isZero());
    EXPECT_EQ(months[2].income().toString(2), "-300,01");
    EXPECT_TRUE(months[11].costs.isZero());
}

TEST_F(YearChart, BarsStandOnTheZeroLineAndALossHangsBelowIt)
{
    const QImage empty = drawn(QList<YearChartMonth>(12));
    EXPECT_EQ(rowsOf(empty, Revenue).first, -1) << "no bars in a year without entries";
    EXPECT_NE(rowsOf(empty, qRgb(0, 0, 0)).first, -1) << "the axes and the month names are drawn";

    QList<YearChartMonth> loss(12);
    loss[4] = month("0", "500");
    const QImage image = drawn(loss);
    const auto [costsTop, costsBottom] = rowsOf(image, Costs);
    const auto [incomeTop, incomeBottom] = rowsOf(image, Income);
    ASSERT_NE(costsTop, -1);
    ASSERT_NE(incomeTop, -1);
    EXPECT_LT(costsBottom, incomeTop) << "costs above the zero line, the loss below it";
    EXPECT_NEAR(costsBottom - costsTop, incomeBottom - incomeTop, 3) << "a loss of the costs' size";

    QList<YearChartMonth> profit(12);
    profit[0] = month("900", "300");
    const QImage profitable = drawn(profit);
    const int revenueHeight = rowsOf(profitable, Revenue).second - rowsOf(profitable, Revenue).first;
    const int costsHeight = rowsOf(profitable, Costs).second - rowsOf(profitable, Costs).first;
    EXPECT_NEAR(revenueHeight, 3 * costsHeight, 6) << "bars to the same złoty scale";
}

TEST_F(YearChart, FiguresNoAmountHoldsAreRefusedNamingThemBeforeAnythingIsDrawn)
{
    const auto refused = [this](const QString &what) {
        start();
        try {
            static_cast<void>(YearChartMonths(*dane));
            ADD_FAILURE() << "the chart was given its months";
        } catch (const AmountOverflow &overflow) {
            EXPECT_EQ(overflow.message(), "Nie można obliczyć " + what + ": wynik jest poza zakresem, "
                                          "jaki może mieć kwota. Polecenie przerwano.");
        }
    };
    // Sums another program wrote: each month fits an amount, the year's running income does not.
    plainSql("2019/KSIEGA/SUMA.DB", "UPDATE SUMA SET K9=5000000000000000000 WHERE KOD IN ('01','02')");
    refused("dochodu od początku roku na wykresie");
    plainSql("2019/KSIEGA/SUMA.DB", "UPDATE SUMA SET K9=0, K10=5000000000000000000, "
                                    "K14=5000000000000000000 WHERE KOD='03'");
    refused("kosztów miesiąca 03 na wykresie");
}

TEST(YearChartFile, IsAPdfPageOrAPictureMadeWholeOrNotAtAll)
{
    TestApplication<QGuiApplication> application;
    QTemporaryDir folder;
    QList<YearChartMonth> months(12);
    months[0] = month("1234,56", "100");
    const QString title = YearChartTitle(QStringLiteral("2026"));
    QString error;

    ASSERT_TRUE(WriteYearChart(folder.filePath("wykres.png"), months, title, error)) << error.toStdString();
    const QImage picture(folder.filePath("wykres.png"));
    EXPECT_EQ(picture.size(), QSize(1600, 1000));

    ASSERT_TRUE(WriteYearChart(folder.filePath("wykres.PDF"), months, title, error)) << error.toStdString();
    QFile pdf(folder.filePath("wykres.PDF"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");

    EXPECT_FALSE(WriteYearChart(folder.filePath("wykres.txt"), months, title, error));
    EXPECT_TRUE(error.contains(".pdf albo .png")) << error.toStdString();
    EXPECT_FALSE(QFile::exists(folder.filePath("wykres.txt")));

    const QString nowhere = folder.filePath("brak/wykres.png");
    EXPECT_FALSE(WriteYearChart(nowhere, months, title, error));
    EXPECT_TRUE(error.startsWith("Nie można zapisać wykresu do pliku " + nowhere)) << error.toStdString();
}
