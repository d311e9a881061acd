#include "ledger/entry_operations.h"
#include "ledger/month_totals.h"
#include "ledger/month_view.h"
#include "ledger/posting.h"
#include "platform/amount_range.h"
#include "sums_fixture.h"
#include "tests/support/maximal_entries.h"

using Posting = SumsTest;

TEST_F(Posting, AMonthWithoutEntriesPostsZerosWithoutRatiosAndStaysPostedOnDisk)
{
    start();
    EXPECT_EQ(PostMonth(*dane, "01"), PostingOutcome::Posted);
    for (const QString key : {"01", "N01"}) {
        const auto row = sumsRow(key);
        for (int column = 7; column <= 16; ++column)
            EXPECT_EQ(amount(row, column), "0,00") << key.toStdString() << " K" << column;
        EXPECT_EQ(row["W1"], "");
        EXPECT_EQ(row["W2"], "");
        EXPECT_EQ(row["W3"], "");
        EXPECT_EQ(row["OZN"], "*");
        EXPECT_EQ(row["NAZWISKO"], "Kowalski Jan");
        EXPECT_EQ(row["DATA"], "2019.05.10");
        EXPECT_EQ(row["K17"], "") << "column 16 is not summed";
    }
    EXPECT_TRUE(environment.monthPosted[1]);
    EXPECT_EQ(environment.lastPostedMonth, 1);
    EXPECT_EQ(environment.workingMonth, "01");
    EXPECT_FALSE(newEntryRefusal(*dane).isEmpty()) << "the posted month is closed";

    start();
    EXPECT_TRUE(environment.monthPosted[1]);
    EXPECT_EQ(environment.lastPostedMonth, 1);
}

TEST_F(Posting, RatiosRoundHalfAwayFromZeroAndVanishWithoutAPositiveDenominator)
{
    start();
    addEntry(1, "01", {{"K10", "100"}});                 // no revenue, purchases only
    addEntry(2, "02", {{"K7", "800"}, {"K10", "799"}});  // 1 / 800 = 0.125 %
    addEntry(3, "03", {{"K7", "800"}, {"K10", "801"}});  // −0.125 %
    addEntry(4, "04", {{"K7", "1000"}, {"K11", "-1000"}}); // purchases not above zero
    addEntry(5, "05", {{"K7", "200"}, {"K10", "197,99"}}); // exactly 1,005 %
    for (const char *month : {"01", "02", "03", "04", "05"})
        ASSERT_EQ(PostMonth(*dane, month), PostingOutcome::Posted) << month;

    const auto noRevenue = sumsRow("01");
    EXPECT_EQ(noRevenue["W1"], "");
    EXPECT_EQ(noRevenue["W3"], "");
    EXPECT_DOUBLE_EQ(dane->TSUMA.field("W2").asFloat(), -100.0);

    sumsRow("02");
    EXPECT_DOUBLE_EQ(dane->TSUMA.field("W1").asFloat(), 0.13);
    EXPECT_DOUBLE_EQ(dane->TSUMA.field("W3").asFloat(), 0.13) << "W1 = W3 without K15";
    EXPECT_DOUBLE_EQ(dane->TSUMA.field("W2").asFloat(), 0.13); // 0.12516 %

    sumsRow("03");
    EXPECT_DOUBLE_EQ(dane->TSUMA.field("W1").asFloat(), -0.13);
    EXPECT_DOUBLE_EQ(dane->TSUMA.field("W3").asFloat(), -0.13);

    EXPECT_EQ(sumsRow("04")["W2"], "");
    EXPECT_EQ(sumsRow("04")["W1"], "200.00");

    sumsRow("05");
    EXPECT_EQ(dane->TSUMA.field("W1").asFloat(), 1.01) << "not the 1,00 of a double holding 1,00499...";
    EXPECT_EQ(dane->TSUMA.field("W3").asFloat(), 1.01);
}

TEST_F(Posting, TotalsNoAmountHoldsStopThePostingNamingTheColumnAndWriteNothing)
{
    const auto refused = [this](int column) {
        start();
        const auto before = allSums();
        try {
            static_cast<void>(PostMonth(*dane, "01"));
            ADD_FAILURE() << "the month was posted";
        } catch (const AmountOverflow &overflow) {
            EXPECT_EQ(overflow.message(), QStringLiteral("Nie można obliczyć sumy kolumny %1: wynik jest "
                                                         "poza zakresem, jaki może mieć kwota. Polecenie "
                                                         "przerwano.").arg(column));
        }
        EXPECT_EQ(allSums(), before);
        EXPECT_FALSE(environment.monthPosted[1]);
        EXPECT_EQ(environment.lastPostedMonth, 0);
    };
    plainSql("2019/KSIEGA/KSIEGA.DB", MaximalEntriesSql("01", "2019.01.15"));
    refused(7);
    // Entries another program wrote with amounts far beyond what may be typed.
    plainSql("2019/KSIEGA/KSIEGA.DB", "DELETE FROM KSIEGA");
    plainSql("2019/KSIEGA/KSIEGA.DB", "INSERT INTO KSIEGA (LP, MC, K10) VALUES "
                                      "(1, '01', 5000000000000000000), (2, '01', 5000000000000000000)");
    refused(10);
}

TEST(RatioPercent, RoundsTheExactRatioHalfAwayFromZero)
{
    EXPECT_EQ(RatioPercent(Money::fromZloty(1), Money::fromZloty(800)), 0.13);
    EXPECT_EQ(RatioPercent(Money::fromZloty(-1), Money::fromZloty(800)), -0.13);
    EXPECT_EQ(RatioPercent(Money::fromZloty(1), Money::fromZloty(3)), 33.33);
    EXPECT_EQ(RatioPercent(Money::fromZloty(2), Money::fromZloty(3)), 66.67);
    EXPECT_EQ(RatioPercent(*Money::parse(u"2,01"), Money::fromZloty(200)), 1.01);
    EXPECT_EQ(RatioPercent(*Money::parse(u"-2,01"), Money::fromZloty(200)), -1.01);
    EXPECT_FALSE(RatioPercent(Money::fromZloty(1), Money()));
    EXPECT_FALSE(RatioPercent(Money::fromZloty(1), Money::fromZloty(-5)));
}

TEST_F(Posting, MonthAndRunningRowsAddUpExactlyAndChainFromJanuary)
{
    start();
    addEntry(1, "01", {{"K7", "100,10"}, {"K8", "0,20"}, {"K13", "19,99"}});
    addEntry(2, "01", {{"K10", "50,05"}, {"K11", "1,01"}, {"K12", "300"}, {"K16", "7"}});
    addEntry(3, "02", {{"K7", "0,01"}, {"K17", "5"}});
    addEntry(4, "03", {{"K8", "1000000,99"}});
    for (const char *month : {"01", "02", "03"})
        ASSERT_EQ(PostMonth(*dane, month), PostingOutcome::Posted) << month;
    EXPECT_TRUE(dane->TKSIEGA.isFiltered()) << "the view shows the posted month";
    EXPECT_EQ(dane->TKSIEGA.recordCount(), 1);
    EXPECT_EQ(dane->TKSIEGA.field("LP").asInteger(), 4);

    const auto january = sumsRow("01");
    EXPECT_EQ(amount(january, 7), "100,10");
    EXPECT_EQ(amount(january, 9), "100,30");
    EXPECT_EQ(amount(january, 10), "50,05");
    EXPECT_EQ(amount(january, 14), "319,99");
    EXPECT_EQ(amount(january, 15), "0,00");
    EXPECT_EQ(amount(january, 16), "7,00");
    EXPECT_EQ(january["KW"], "-270,75");
    EXPECT_EQ(sumsRow("N01")["K9"], "100,30");

    EXPECT_EQ(sumsRow("02")["K9"], "0,01");
    EXPECT_EQ(sumsRow("02")["K17"], "");
    const auto february = sumsRow("N02");
    EXPECT_EQ(amount(february, 9), "100,31");
    EXPECT_EQ(amount(february, 14), "319,99");
    EXPECT_EQ(amount(february, 16), "7,00");

    const auto march = sumsRow("N03");
    EXPECT_EQ(amount(march, 8), "1000001,19");
    EXPECT_EQ(amount(march, 9), "1000101,30");
    EXPECT_EQ(march["OZN"], "*");
    EXPECT_EQ(sumsRow("N04")["K9"], "") << "later months untouched";
}

TEST_F(Posting, ANumberingGapIsAskedAboutOnceAndNoWritesNothing)
{
    start();
    addEntry(1, "01");
    addEntry(2, "01");
    addEntry(4, "02", {{"K7", "10"}}); // 3 is missing at the month boundary
    addEntry(5, "02", {{"K7", "20"}});
    addEntry(9, "02", {{"K7", "40"}});
    ASSERT_EQ(PostMonth(*dane, "01"), PostingOutcome::Posted);
    const auto before = allSums();
    prompter.clear();

    EXPECT_EQ(PostMonth(*dane, "02"), PostingOutcome::Declined);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Bład numertaora dla pozycji : 4 Czy mimo to kontynuować?");
    EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(prompter.messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(allSums(), before);
    EXPECT_FALSE(environment.monthPosted[2]);
    EXPECT_EQ(environment.lastPostedMonth, 1);

    prompter.enqueue(Answer::Yes);
    EXPECT_EQ(PostMonth(*dane, "02"), PostingOutcome::Posted);
    EXPECT_EQ(sumsRow("02")["K7"], "70,00");
    EXPECT_EQ(environment.lastPostedMonth, 2);
}

TEST_F(Posting, JanuaryStartsAtOneAndDuplicatesAreReported)
{
    start();
    addEntry(1, "00"); // an earlier month code never sets January's first number
    addEntry(2, "01");
    addEntry(3, "01");
    EXPECT_EQ(PostMonth(*dane, "01"), PostingOutcome::Declined);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Bład numertaora dla pozycji : 2 Czy mimo to kontynuować?");

    plainSql("2019/KSIEGA/KSIEGA.DB", "UPDATE KSIEGA SET LP = 2 WHERE LP = 3");
    dane->TKSIEGA.refresh();
    addEntry(1, "01");
    prompter.clear();
    EXPECT_EQ(PostMonth(*dane, "01"), PostingOutcome::Declined);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Bład numertaora dla pozycji : 2 Czy mimo to kontynuować?")
        << "1, 2, 2: the second 2 is the first wrong number";
}

TEST_F(Posting, OnlyTheNextMonthPostsAndOnlyTheLastUnposts)
{
    start();
    EXPECT_EQ(PostMonth(*dane, "02"), PostingOutcome::NotOffered);
    EXPECT_FALSE(postingRefusal(environment, "02").isEmpty());
    EXPECT_FALSE(UnpostMonth(*dane, "01"));
    EXPECT_EQ(unpostingRefusal(environment, "01"), "Żaden miesiąc nie jest zaksięgowany.");
    EXPECT_EQ(sumsRow("02")["OZN"], "");
    ASSERT_EQ(PostMonth(*dane, "01"), PostingOutcome::Posted);
    ASSERT_EQ(PostMonth(*dane, "02"), PostingOutcome::Posted);
    EXPECT_EQ(PostMonth(*dane, "02"), PostingOutcome::NotOffered);
    EXPECT_FALSE(UnpostMonth(*dane, "01"));
    EXPECT_TRUE(postingOffered(environment, "03"));
    EXPECT_TRUE(unpostingOffered(environment, "02"));
    EXPECT_FALSE(unpostingOffered(environment, "13"));
    EXPECT_EQ(sumsRow("01")["OZN"], "*");
}

TEST_F(Posting, UnpostingKeepsTheTotalsAndPostingAgainRecomputesThem)
{
    start();
    addEntry(1, "01", {{"K7", "10"}});
    addEntry(2, "02", {{"K7", "20"}});
    ASSERT_EQ(PostMonth(*dane, "01"), PostingOutcome::Posted);
    ASSERT_EQ(PostMonth(*dane, "02"), PostingOutcome::Posted);

    EXPECT_TRUE(UnpostMonth(*dane, "02"));
    for (const QString key : {"02", "N02"}) {
        const auto row = sumsRow(key);
        EXPECT_EQ(row["OZN"], "");
        EXPECT_EQ(row["NAZWISKO"], "");
        EXPECT_EQ(row["DATA"], "");
    }
    EXPECT_EQ(sumsRow("02")["K7"], "20,00");
    EXPECT_EQ(sumsRow("N02")["K7"], "30,00");
    EXPECT_FALSE(environment.monthPosted[2]);
    EXPECT_EQ(environment.lastPostedMonth, 1);
    EXPECT_EQ(sumsRow("01")["OZN"], "*");

    SelectWorkingMonth(*dane, "02");
    ASSERT_TRUE(NewEntry(*dane));
    dane->TKSIEGA.field("K7").setAsString("5");
    ASSERT_TRUE(SaveEntry(*dane));
    ASSERT_EQ(PostMonth(*dane, "02"), PostingOutcome::Posted);
    EXPECT_EQ(sumsRow("02")["K7"], "25,00");
    EXPECT_EQ(sumsRow("N02")["K7"], "35,00");

    start();
    EXPECT_EQ(environment.lastPostedMonth, 2);
}

TEST_F(Posting, CurrentPostingRefreshesOpenMonthsOnlyAndKeepsTheView)
{
    start();
    addEntry(1, "01", {{"K7", "10"}});
    addEntry(2, "02", {{"K7", "20"}});
    addEntry(3, "04", {{"K13", "4"}});
    ASSERT_EQ(PostMonth(*dane, "01"), PostingOutcome::Posted);
    // A posted month's sums stay as posted, whatever happened to its entries since.
    plainSql("2019/KSIEGA/KSIEGA.DB", "UPDATE KSIEGA SET K7 = 990000 WHERE LP = 1");
    dane->TKSIEGA.refresh();
    const auto january = sumsRow("01");
    SelectWorkingMonth(*dane, "13");
    ASSERT_TRUE(dane->TKSIEGA.locate("LP", 2));
    prompter.clear();

    EXPECT_TRUE(PostCurrent(*dane));
    EXPECT_TRUE(prompter.messages().isEmpty());
    EXPECT_EQ(sumsRow("01"), january);
    EXPECT_EQ(sumsRow("N01")["K7"], "10,00");
    const auto february = sumsRow("02");
    EXPECT_EQ(february["K7"], "20,00") << "each month's own entries under \"Wszystkie\"";
    EXPECT_EQ(february["OZN"], "");
    EXPECT_EQ(february["DATA"], "");
    EXPECT_EQ(sumsRow("N02")["K7"], "30,00");
    EXPECT_EQ(sumsRow("03")["K7"], "0,00");
    EXPECT_EQ(sumsRow("N03")["K7"], "30,00");
    EXPECT_EQ(sumsRow("N04")["K14"], "4,00");
    EXPECT_EQ(sumsRow("N12")["K9"], "30,00");
    EXPECT_EQ(sumsRow("N12")["OZN"], "");
    EXPECT_EQ(environment.lastPostedMonth, 1);

    EXPECT_EQ(environment.workingMonth, "13");
    EXPECT_FALSE(dane->TKSIEGA.isFiltered());
    EXPECT_EQ(dane->TKSIEGA.recordCount(), 3);
    EXPECT_EQ(dane->TKSIEGA.field("LP").asInteger(), 2);
}

TEST_F(Posting, PostingThirteenWritesNothing)
{
    plainSql("2019/KSIEGA/SUMA.DB", "UPDATE SUMA SET OZN = '*' WHERE KOD NOT LIKE 'N%'");
    start();
    ASSERT_EQ(environment.lastPostedMonth, 12);
    addEntry(1, "13", {{"K7", "10"}});
    const auto before = allSums();
    ASSERT_TRUE(postingOffered(environment, "13"));
    EXPECT_EQ(PostMonth(*dane, "13"), PostingOutcome::NoMonthRow);
    EXPECT_EQ(allSums(), before);
    EXPECT_EQ(environment.lastPostedMonth, 12);
    EXPECT_FALSE(environment.monthPosted[13]);
    EXPECT_FALSE(dane->TKSIEGA.isFiltered()) << "\"Wszystkie\" shows the whole year again";
}

TEST_F(Posting, AFailedWriteLeavesTheOldRowsAndTheMonthOpen)
{
    start();
    addEntry(1, "01", {{"K7", "10"}});
    addEntry(2, "02", {{"K7", "20"}});
    ASSERT_EQ(PostMonth(*dane, "01"), PostingOutcome::Posted);
    const auto before = allSums();
    // The month row is written, then the running row fails, as a full disk would make it.
    dane->TSUMA.setBeforePost([](Cursor &sums) {
        if (sums.field("KOD").asString() == QLatin1String("N02"))
            throw DbError(QStringLiteral("Brak miejsca na dysku."));
    });
    prompter.clear();
    EXPECT_EQ(PostMonth(*dane, "02"), PostingOutcome::NotSaved);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Błąd zapisu");
    EXPECT_FALSE(environment.monthPosted[2]);
    EXPECT_EQ(environment.lastPostedMonth, 1);
    EXPECT_EQ(allSums(), before);

    EXPECT_FALSE(PostCurrent(*dane));
    EXPECT_EQ(allSums(), before);

    dane->TSUMA.setBeforePost({});
    start();
    EXPECT_EQ(allSums(), before) << "nothing of the undone writes reached the file";
}
