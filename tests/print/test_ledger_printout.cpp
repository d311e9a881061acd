#include "maintenance/year_change.h"
#include "maintenance/year_opening.h"
#include "platform/print/recording_canvas.h"
#include "platform/print/report.h"
#include "print/ledger_amounts.h"
#include "print/ledger_printout.h"
#include "tests/ledger/ledger_fixture.h"

#include <algorithm>
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

// The texts written from the left edge of a column's cells, as its number's box tells.
QStringList inColumn(const RecordingCanvas &page, const QString &number)
{
    const CanvasItem *numberBox = textItem(page, number);
    if (!numberBox)
        return {};
    const double left = numberBox->boxMm.left() + 0.4;
    QStringList column;
    for (const CanvasItem &item : page.texts())
        if (qAbs(item.boxMm.left() - left) < 0.01 && !item.text.isEmpty())
            column << item.text;
    return column;
}

// The row of column numbers under the captions of the first page, left to right.
QStringList columnNumbers(const RecordingCanvas &canvas)
{
    QList<CanvasItem> numbers;
    for (const CanvasItem &item : canvas.textsOnPage(1)) {
        bool isNumber = false;
        item.text.toInt(&isNumber);
        if (isNumber && item.font.pointSize == 6)
            numbers << item;
    }
    std::sort(numbers.begin(), numbers.end(), [](const CanvasItem &a, const CanvasItem &b) {
        return a.boxMm.left() < b.boxMm.left();
    });
    QStringList texts;
    for (const CanvasItem &item : numbers)
        texts << item.text;
    return texts;
}

QStringList numbersFrom(int first, int last)
{
    QStringList numbers;
    for (int number = first; number <= last; ++number)
        numbers << QString::number(number);
    return numbers;
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
    EXPECT_EQ(inColumn(page, "7"), QStringList({"1,00", "1,00", "1,00", "#######.##"}))
        << "the row, the month, the page and the year-to-date overflowing its mask";
    EXPECT_EQ(inColumn(page, "15"), QStringList({"0,00"}))
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

// A book of 2026 or later is the regulation's nineteen-column book: the KSeF number and the
// contractor's tax identifier join the first half, the amounts move two columns on, and the
// totals follow the same rules. The printout kept for the run changes its form with the year.
TEST_F(LedgerPrintout_, FromTwentyTwentySixTheBookHasNineteenColumns)
{
    ready();
    fillMay(1, {{"K7", "1"}});
    LedgerPrintout printout(*dane);
    prompter.enqueue(Answer::Yes);
    ASSERT_TRUE(PrintLedger(*dane, printout, devices));
    ASSERT_EQ(devices.prints.size(), 2u);
    EXPECT_EQ(columnNumbers(*devices.prints[0]), numbersFrom(1, 6));
    EXPECT_EQ(columnNumbers(*devices.prints[1]), numbersFrom(7, 17));
    EXPECT_FALSE(textsOf(*devices.prints[0]).contains("Numer KSeF"));

    ASSERT_EQ(OpenNewYear({"2026", "2019", dane->environment().dataRoot}, dane->environment(), prompter,
                          [](const QString &) {}),
              YearOpeningResult::Completed);
    ASSERT_TRUE(ChangeWorkingYear(*dane, "2026"));
    SelectWorkingMonth(*dane, "03");
    plainSql("2026/KSIEGA/SUMA.DB", "UPDATE SUMA SET K7 = 10000000, Ilstr = 4 WHERE KOD = 'N02'");
    dane->TSUMA.refresh();
    const char *ksef = "5260001246-20260302-0A1B2C3D4E5F-1A";
    const QString longName = "Großhandel Müller und Söhne Gesellschaft mit beschränkter Haftung";
    entry(101, "03", "2026.03.02",
          {{"KSEF", ksef}, {"NRKSIEG", "FV/77/2026"}, {"NIP", "DE123456789"},
           {"NAZ1", longName.toUtf8().constData()}, {"K7", "1250"}, {"UWAGI", "dostawa częściowa"}});
    entry(102, "03", "2026.03.05",
          {{"NRKSIEG", "RACHUNEK/2026/03/000123/ODDZIAŁ-POŁUDNIE/ZAKUP-TOWARÓW"},
           {"NIP", "677-000-21-37"}, {"K10", "99.99"}, {"K17", "150.50"}, {"UWAGI", "badanie rynku"}});
    prompter.enqueue(Answer::Yes);
    ASSERT_TRUE(PrintLedger(*dane, printout, devices));
    ASSERT_EQ(devices.prints.size(), 4u);
    const RecordingCanvas &first = *devices.prints[2];
    const RecordingCanvas &second = *devices.prints[3];
    EXPECT_EQ(devices.proposals.last(), 5);

    EXPECT_EQ(columnNumbers(first), numbersFrom(1, 8));
    for (const char *caption : {"Lp.", "Numer KSeF", "Nr dowodu", "księgowego", "KONTRAHENT",
                                "Identyfikator", "podatkowy", "Imię i nazwisko (firma)", "Adres",
                                "Opis zdarzenia gospodarczego", "Razem miesiąc:", "Strona: 5"})
        EXPECT_TRUE(textsOf(first).contains(QString::fromUtf8(caption))) << caption;
    EXPECT_EQ(inColumn(first, "3").join(QString()), ksef) << "the number over both lines of its row";
    EXPECT_EQ(inColumn(first, "5"), QStringList({"DE123456789", "677-000-21-37"}));
    const QStringList document = inColumn(first, "4");
    ASSERT_EQ(document.size(), 3) << document.join('|').toStdString();
    EXPECT_EQ(document[0], "FV/77/2026");
    EXPECT_TRUE(document[2].endsWith(QChar(0x2026))) << "a number too long for two lines is cut";

    // A name longer than its column keeps to it, cut after a whole letter.
    const QStringList names = inColumn(first, "6");
    ASSERT_EQ(names.size(), 1);
    EXPECT_TRUE(names[0].endsWith(QChar(0x2026)));
    EXPECT_TRUE(longName.startsWith(names[0].chopped(1)));
    const CanvasItem *name = textItem(first, names[0]);
    EXPECT_LE(first.textWidthMm(name->font, name->text), name->boxMm.width() + 1e-9);
    EXPECT_EQ(name->font.pointSize, 7) << "cut, not shrunk";
    EXPECT_LE(name->boxMm.right(), textItem(first, "7")->boxMm.left());

    EXPECT_EQ(columnNumbers(second), numbersFrom(9, 19));
    for (const char *caption : {"(9+10)", "(14 + 15)", "PRZYCHÓD", "WYDATKI", "opis kosztu", "uwagi",
                                "Strona: 5"})
        EXPECT_TRUE(textsOf(second).contains(QString::fromUtf8(caption))) << caption;
    EXPECT_EQ(inColumn(second, "9"), QStringList({"1 250,00", "1 250,00", "1 250,00", "2 250.00"}))
        << "the row, the month, the page and the year-to-date with February's running total";
    EXPECT_EQ(inColumn(second, "12"), QStringList({"99,99", "99,99", "99,99", "99.99"}));
    EXPECT_EQ(inColumn(second, "11"),
              QStringList({"1 250,00", "0,00", "1 250,00", "1 250,00", "1 250.00"}))
        << "total revenue (9+10) of each row and its totals, carried from its own running total";
    EXPECT_EQ(inColumn(second, "18"), QStringList({"badanie rynku"}))
        << "the remark stands beside the research cost";
    EXPECT_EQ(inColumn(second, "19"), QStringList({"dostawa częściowa"}));
    EXPECT_TRUE(inColumn(second, "17").isEmpty()) << "the free column's zero totals stay blank";
    EXPECT_EQ(storedPages("N03"), 5);
}
