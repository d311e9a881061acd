#include "platform/print/recording_canvas.h"
#include "platform/print/report.h"
#include "print/ledger_amounts.h"
#include "print/ledger_printout.h"
#include "tests/ledger/ledger_fixture.h"

#include <memory>
#include <vector>

namespace {

// Each preview or print is recorded on a canvas of its own; the page numbering dialog
// answers what the test typed, or leaves the proposed number.
class RecordedDevices final : public LedgerPrintDevices {
public:
    QString firstPageNumber(const QString &month, int proposed) override
    {
        months << month;
        proposals << proposed;
        return typed.value_or(QString::number(proposed));
    }
    bool preview(Report &report) override { return record(report, previews); }
    bool print(Report &report) override { return record(report, prints); }

    std::optional<QString> typed;
    QStringList months;
    QList<int> proposals;
    std::vector<std::unique_ptr<RecordingCanvas>> previews;
    std::vector<std::unique_ptr<RecordingCanvas>> prints;

private:
    bool record(Report &report, std::vector<std::unique_ptr<RecordingCanvas>> &into)
    {
        into.push_back(std::make_unique<RecordingCanvas>());
        return report.print(*into.back());
    }
};

QStringList textsOf(const RecordingCanvas &canvas, int page = 0)
{
    QStringList texts;
    for (const CanvasItem &item : page ? canvas.textsOnPage(page) : canvas.texts())
        texts << item.text;
    return texts;
}

const CanvasItem *textItem(const RecordingCanvas &canvas, const QString &text)
{
    for (const CanvasItem &item : canvas.items())
        if (item.kind == CanvasItem::Kind::Text && item.text == text)
            return &item;
    return nullptr;
}

} // namespace

class LedgerPrintout_ : public LedgerTest {
protected:
    // `count` entries of May, each with the amounts given.
    void fillMay(int count, Fields amounts = {})
    {
        for (int number = 1; number <= count; ++number)
            entry(number, "05", "2019-05-10", amounts);
    }

    int storedPages(const char *key)
    {
        Cursor &sums = dane->TSUMA;
        EXPECT_TRUE(sums.findKey({QString::fromLatin1(key)}));
        return int(sums.field("Ilstr").asInteger());
    }

    void setStoredPages(const char *key, int pages)
    {
        plainSql("2019/KSIEGA/SUMA.DB",
                 QStringLiteral("UPDATE SUMA SET Ilstr = %1 WHERE KOD = '%2'").arg(pages).arg(key));
        dane->TSUMA.refresh();
    }

    RecordedDevices devices;
};

TEST(LedgerAmounts, DisplayAndYearToDateMasks)
{
    EXPECT_EQ(LedgerAmountText(Money::fromGrosze(516990)), "5 169,90");
    EXPECT_EQ(LedgerAmountText(Money()), "0,00");
    EXPECT_EQ(LedgerAmountText(-Money::fromGrosze(123456789)), "-1 234 567,89");
    EXPECT_EQ(YearToDateText(Money::fromGrosze(123456789)), "1 234 567.89");
    EXPECT_EQ(YearToDateText(Money::fromUnits(99999994999)), "9 999 999.50");
    EXPECT_EQ(YearToDateText(Money::fromZloty(10000000)), "#######.##");
    EXPECT_EQ(YearToDateText(-Money::fromZloty(1234)), "-1 234.00");
    EXPECT_EQ(BlankWhenZero(Money(), LedgerAmountText), "");
}

TEST_F(LedgerPrintout_, JanuaryStartsAtOneAndMarchFollowsFebruarysLastPage)
{
    ready(QString(), "01");
    entry(1, "01", "2019-01-03");
    LedgerPrintout printout(*dane);
    ASSERT_TRUE(PreviewLedgerHalf(*dane, printout, 1, devices));
    EXPECT_EQ(devices.proposals, QList<int>({1}));
    EXPECT_TRUE(textsOf(*devices.previews[0]).contains("Strona: 1"));
    EXPECT_EQ(storedPages("N01"), 1);

    setStoredPages("N02", 14);
    SelectWorkingMonth(*dane, "03");
    entry(1, "03", "2019-03-01");
    ASSERT_TRUE(PreviewLedgerHalf(*dane, printout, 2, devices));
    EXPECT_EQ(devices.months.last(), "03");
    EXPECT_EQ(devices.proposals.last(), 15);
    EXPECT_TRUE(textsOf(*devices.previews[1]).contains("Strona: 15"));
    EXPECT_TRUE(textsOf(*devices.previews[1]).contains("Miesiąc 03 2019"));
    EXPECT_TRUE(textsOf(*devices.previews[1]).contains("Program  RAZEDO 2019"));
    EXPECT_EQ(storedPages("N03"), 15);
}

TEST_F(LedgerPrintout_, EachPreviewStoresTheHighestPageItPrinted)
{
    ready();
    fillMay(30, {{"K7", "10"}});
    setStoredPages("N04", 6);
    LedgerPrintout printout(*dane);
    ASSERT_TRUE(PreviewLedgerHalf(*dane, printout, 1, devices));
    const QStringList secondPage = textsOf(*devices.previews[0], 2);
    ASSERT_FALSE(secondPage.isEmpty()) << "thirty rows take two pages";
    EXPECT_TRUE(secondPage.contains("Strona: 8"));
    EXPECT_EQ(storedPages("N05"), 8);

    devices.typed = "21";
    ASSERT_TRUE(PreviewLedgerHalf(*dane, printout, 2, devices));
    EXPECT_EQ(devices.proposals.last(), 7) << "the offset comes from April again";
    EXPECT_EQ(storedPages("N05"), 22);
    EXPECT_EQ(storedPages("N04"), 6);
    // Both halves break their pages at the same row, so the sheets face each other.
    EXPECT_EQ(devices.previews[0]->textsOnPage(3).size(), 0);
    EXPECT_EQ(devices.previews[1]->textsOnPage(3).size(), 0);
}

TEST_F(LedgerPrintout_, NoAfterTheFirstHalfLeavesItsLastPage)
{
    ready();
    fillMay(20);
    setStoredPages("N04", 3);
    prompter.enqueue(Answer::No);
    LedgerPrintout printout(*dane);
    EXPECT_TRUE(PrintLedger(*dane, printout, devices));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text,
              "Koniec wydruku stron parzystych. jeśli chcesz wykonać wydruk dwustronny to "
              "obróć kartki !");
    EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(devices.prints.size(), 1u);
    EXPECT_EQ(storedPages("N05"), 5);
    EXPECT_TRUE(textsOf(*devices.prints[0]).contains("Program RAZEDO 2019"));

    prompter.enqueue(Answer::Yes);
    EXPECT_TRUE(PrintLedger(*dane, printout, devices));
    EXPECT_EQ(devices.proposals, QList<int>({4, 4}));
    ASSERT_EQ(devices.prints.size(), 3u);
    EXPECT_TRUE(textsOf(*devices.prints[2]).contains("Program  RAZEDO 2019"));
    EXPECT_EQ(storedPages("N05"), 5);
}

TEST_F(LedgerPrintout_, TheRemarkStandsBesideTheResearchCostOrInTheRemarksColumn)
{
    ready();
    entry(1, "05", "2019-05-02", {{"K17", "0"}, {"UWAGI", "bez kosztów"}});
    entry(2, "05", "2019-05-03", {{"K17", "120"}, {"UWAGI", "badanie gleby"}});
    LedgerPrintout printout(*dane);
    ASSERT_TRUE(PreviewLedgerHalf(*dane, printout, 2, devices));
    const CanvasItem *remark = textItem(*devices.previews[0], "bez kosztów");
    const CanvasItem *cost = textItem(*devices.previews[0], "badanie gleby");
    const CanvasItem *amount = textItem(*devices.previews[0], "120,00");
    ASSERT_TRUE(remark && cost && amount);
    EXPECT_LT(remark->font.pointSize, cost->font.pointSize) << "column 17 is in small type";
    EXPECT_GT(remark->boxMm.left(), amount->boxMm.right()) << "column 17 is right of column 16";
    EXPECT_LT(cost->boxMm.right(), amount->boxMm.left() + 1) << "beside column 16's amount";
    EXPECT_EQ(textsOf(*devices.previews[0]).count("badanie gleby"), 1);
    EXPECT_EQ(textsOf(*devices.previews[0]).count("bez kosztów"), 1);
}

TEST_F(LedgerPrintout_, ZeroColumnFifteenTotalsAreBlankAndYearToDateOverflowsToHashes)
{
    ready();
    plainSql("2019/KSIEGA/SUMA.DB", "UPDATE SUMA SET K7 = 99999990000, K16 = 0 WHERE KOD = 'N04'");
    dane->TSUMA.refresh();
    entry(1, "05", "2019-05-02", {{"K7", "1"}, {"K16", "0"}});
    LedgerPrintout printout(*dane);
    ASSERT_TRUE(PreviewLedgerHalf(*dane, printout, 2, devices));
    const RecordingCanvas &page = *devices.previews[0];
    const QStringList texts = textsOf(page);
    // The texts written from the left edge of a column's cells, as its number's box tells.
    const auto inColumn = [&page](const QString &number) {
        const double left = textItem(page, number)->boxMm.left() + 0.4;
        QStringList column;
        for (const CanvasItem &item : page.texts())
            if (qAbs(item.boxMm.left() - left) < 0.01 && !item.text.isEmpty())
                column << item.text;
        return column;
    };
    EXPECT_EQ(inColumn("7"), QStringList({"1,00", "1,00", "1,00", "#######.##"}))
        << "the row, the month, the page and the year-to-date overflowing its mask";
    EXPECT_EQ(inColumn("15"), QStringList({"0,00"}))
        << "column 15 shows the entry's typed zero and no zero totals";
    EXPECT_GE(texts.count("0,00"), 2 * 7) << "the other columns' zero totals show";
    EXPECT_TRUE(texts.contains("0.00")) << "their year-to-date too";
}

TEST_F(LedgerPrintout_, MarginsComeFromTheParametersOrAreTenMillimetres)
{
    ready();
    plainSql("KSIEGA.DB", "UPDATE KSIEGA SET P2 = 15, P3 = 25");
    dane->TPARA.refresh();
    EXPECT_EQ(LedgerMargins(*dane).top(), 15);
    EXPECT_EQ(LedgerMargins(*dane).left(), 25);
    for (const char *unreadable : {"P2 = NULL", "P3 = 'szeroki'"}) {
        plainSql("KSIEGA.DB", QStringLiteral("UPDATE KSIEGA SET P2 = 15, P3 = 25, %1").arg(unreadable));
        dane->TPARA.refresh();
        EXPECT_EQ(LedgerMargins(*dane), QMarginsF(10, 10, 0, 10)) << unreadable;
    }
    LedgerPrintout printout(*dane);
    ASSERT_TRUE(PreviewLedgerHalf(*dane, printout, 1, devices));
    EXPECT_EQ(printout.half(1).pageSetup().marginsMm.left(), 10);
    EXPECT_EQ(printout.half(1).pageSetup().orientation, PageOrientation::Landscape);
}

TEST_F(LedgerPrintout_, APageNumberThatIsNoWholeNumberStopsAndKeepsTheCount)
{
    ready();
    fillMay(2);
    setStoredPages("N05", 9);
    devices.typed = "5a";
    LedgerPrintout printout(*dane);
    EXPECT_FALSE(PrintLedger(*dane, printout, devices));
    EXPECT_EQ(messageTexts(), QStringList({"'5a' nie jest poprawną liczbą całkowitą."}));
    EXPECT_TRUE(devices.prints.empty());
    EXPECT_EQ(storedPages("N05"), 9);
}

TEST_F(LedgerPrintout_, TheWholeYearPrintsNothingAndAMissingRunningRowIsNotWritten)
{
    ready(QString(), "13");
    LedgerPrintout printout(*dane);
    EXPECT_FALSE(PreviewLedgerHalf(*dane, printout, 1, devices));
    EXPECT_FALSE(PrintLedger(*dane, printout, devices));
    EXPECT_TRUE(devices.proposals.isEmpty());
    EXPECT_TRUE(prompter.messages().isEmpty());

    plainSql("2019/KSIEGA/SUMA.DB", "DELETE FROM SUMA WHERE KOD = 'N05'");
    dane->TSUMA.refresh();
    SelectWorkingMonth(*dane, "05");
    fillMay(1);
    EXPECT_TRUE(PreviewLedgerHalf(*dane, printout, 1, devices));
    EXPECT_FALSE(dane->TSUMA.findKey({QStringLiteral("N05")}));
    EXPECT_TRUE(prompter.messages().isEmpty());
}
