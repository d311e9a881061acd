// The companion imports from the command line, on the demo root's sample tables: each says
// what it added, changed and deleted, and a refusal or a question left unanswered prints no
// such line and exits 1.

#include "cli_program.h"

class ImportCommands : public CliProgramTest {
protected:
    void SetUp() override
    {
        CliProgramTest::SetUp();
        ASSERT_EQ(run({"init", "--demo", "--rok", "2019"}).code, 0);
    }
};

TEST_F(ImportCommands, EachImportSaysWhatItWrote)
{
    const CliResult sales = run({"--miesiac", "05", "--answers", "ok", "import", "sales"});
    EXPECT_EQ(sales.code, 0) << sales.err.toStdString();
    EXPECT_EQ(sales.out, "Zapisy dodane: 6, zmienione: 0, usunięte: 0.\n");
    EXPECT_EQ(run({"--miesiac", "05", "--answers", "ok", "import", "purchases"}).out,
              "Zapisy dodane: 7, zmienione: 0, usunięte: 0.\n");
    EXPECT_EQ(run({"--miesiac", "05", "--answers", "ok", "import", "vehicles"}).out,
              "Zapisy dodane: 2, zmienione: 0, usunięte: 0.\n");
    EXPECT_EQ(run({"--miesiac", "05", "--answers", "ok", "import", "depreciation"}).out,
              "Zapisy dodane: 1, zmienione: 0, usunięte: 0.\n");
    EXPECT_EQ(run({"--miesiac", "05", "--answers", "ok", "import", "sales"}).out,
              "Zapisy dodane: 0, zmienione: 6, usunięte: 0.\n");

    const CliResult summary = run({"params", "set", "L3=1"});
    ASSERT_EQ(summary.code, 0) << summary.err.toStdString();
    const CliResult monthly = run({"--miesiac", "05", "--answers", "ok,tak", "import", "sales"});
    EXPECT_EQ(monthly.code, 0) << monthly.err.toStdString();
    EXPECT_EQ(monthly.out, "Zapisy dodane: 1, zmienione: 0, usunięte: 0.\n");
    EXPECT_TRUE(monthly.err.contains("[ostrzeżenie] Czy zapisać zmiany ?\n[odpowiedź] Tak"))
        << monthly.err.toStdString();
    EXPECT_EQ(run({"check"}).code, 0);
}

TEST_F(ImportCommands, RefusedOrUnansweredImportsPrintNoResult)
{
    for (const QStringList &args : {QStringList{"--miesiac", "05", "import", "sales"},
                                    QStringList{"--miesiac", "13", "--answers", "ok", "import", "purchases"},
                                    QStringList{"--miesiac", "06", "--answers", "ok", "import", "depreciation"}}) {
        const CliResult refused = run(args);
        EXPECT_EQ(refused.code, 1) << args.join(' ').toStdString();
        EXPECT_EQ(refused.out, "") << args.join(' ').toStdString();
    }
    EXPECT_TRUE(run({"--miesiac", "13", "--answers", "ok", "import", "vehicles"})
                    .err.contains("[ostrzeżenie] Wybierz miesiąc importu."));
    EXPECT_TRUE(run({"--miesiac", "06", "--answers", "ok", "import", "depreciation"})
                    .err.contains("[błąd] Nie wszystkie Środki Trwałe zostały zaksięgowane."))
        << "the demo's fixed assets of the month after today are not all posted";
    EXPECT_EQ(run({"import", "sales", "nadmiar"}).code, 2);
}
