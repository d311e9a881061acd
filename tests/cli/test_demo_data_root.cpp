// init --demo makes a firm's year: entries up to the demo's current month, the months before
// it posted by the program's own posting, the owner's PIT-5 for the last posted month
// imported from the sums. It never touches existing data and leaves nothing on a full disk.

#include "cli_program.h"
#include "platform/sqlite_db.h"

#include <QDirIterator>

class DemoDataRoot : public CliProgramTest {
protected:
    // How many entries each month code holds.
    QHash<QString, int> entriesPerMonth(const QString &today)
    {
        QHash<QString, int> months;
        for (const QHash<QString, QString> &entry : dumpRows("KSIEGA/KSIEGA", today))
            ++months[entry["MC"]];
        return months;
    }

    // The months whose month row and running row are both marked posted.
    QStringList postedMonths(const QString &today)
    {
        const auto rows = sumsRows(today);
        QStringList posted;
        for (int month = 1; month <= 12; ++month) {
            const QString code = QString("%1").arg(month, 2, 10, QChar('0'));
            if (rows[code]["OZN"] == "*" && rows["N" + code]["OZN"] == "*")
                posted << code;
        }
        return posted;
    }

    // `pit5 show` as field → text.
    QHash<QString, QString> declaration(const QString &number, const QString &today)
    {
        QHash<QString, QString> fields;
        for (const QString &line : run({"pit5", "show", number}, today).out.split('\n', Qt::SkipEmptyParts))
            fields.insert(line.section('\t', 0, 0), line.section('\t', 1));
        return fields;
    }

    static double amount(const QString &text) { return text.toDouble(); }

    // The one declaration is the owner's for `month`, and its revenue and costs are the
    // running sums of that month, shared 100 %.
    void expectDeclarationOfTheSums(const QString &month, const QString &year, const QString &today)
    {
        const auto declarations = dumpRows("DRUKI/DPIT5", today);
        ASSERT_EQ(declarations.size(), 1);
        EXPECT_EQ(declarations[0]["MC"], month);
        const QHash<QString, QString> shown = declaration(declarations[0]["AUTO"], today);
        EXPECT_EQ(shown["P4"], month + "-" + year);
        EXPECT_EQ(shown["P1"], "526-104-08-28");
        EXPECT_EQ(shown["P6"], "Demonstracyjny");
        EXPECT_EQ(shown["K70"], "100");
        const QHash<QString, QString> sums = sumsRows(today)["N" + month];
        EXPECT_EQ(shown["K71"], sums["K9"]);
        EXPECT_DOUBLE_EQ(amount(shown["K72"]),
                         amount(sums["K10"]) + amount(sums["K11"]) + amount(sums["K14"]));
        EXPECT_EQ(shown["P21"], sums["KW"]) << "income is revenue less every cost";
    }
};

TEST_F(DemoDataRoot, TheCurrentYearIsWorkedInTodaysMonthWithEveryMonthBeforeItPosted)
{
    const QString today = "2026.12.09";
    const CliResult init = run({"init", "--demo", "--rok", "2026"}, today);
    ASSERT_EQ(init.code, 0) << init.err.toStdString();
    EXPECT_EQ(init.err, "") << "the demo's own questions are answered by the demo";
    EXPECT_EQ(statusValue("miesiac", today), "12");
    EXPECT_EQ(statusValue("ostatni_zaksiegowany", today), "11");

    const QHash<QString, int> months = entriesPerMonth(today);
    EXPECT_EQ(months.size(), 12);
    for (auto month = months.cbegin(); month != months.cend(); ++month)
        EXPECT_EQ(month.value(), 9) << month.key().toStdString();
    EXPECT_EQ(postedMonths(today), QString("01 02 03 04 05 06 07 08 09 10 11").split(' '));

    const auto rows = sumsRows(today);
    EXPECT_EQ(rows["05"]["K9"], "31280.75") << "May is the season's first peak";
    EXPECT_EQ(rows["05"]["K14"], "5563.80");
    EXPECT_EQ(rows["N11"]["K9"], "280275.52");
    EXPECT_EQ(rows["N11"]["K10"], "110214.72");
    EXPECT_EQ(rows["N11"]["K11"], "5895.68");
    EXPECT_EQ(rows["N11"]["K12"], "46200.00");
    EXPECT_EQ(rows["N11"]["K14"], "61201.80");
    EXPECT_EQ(rows["12"]["OZN"], "");
    EXPECT_EQ(rows["12"]["K9"], "") << "the working month is not posted";
    expectDeclarationOfTheSums("11", "2026", today);
    const QHash<QString, QString> november = declaration("1", today);
    EXPECT_EQ(november["P46"], "102963.00");
    EXPECT_EQ(november["P47"], "8755.56") << "12 % of the base less the reducing 3 600 zł";
    EXPECT_EQ(november["P55"], "8756.00");

    for (const char *kind : {"sales", "purchases", "vehicles", "depreciation"}) {
        const CliResult imported = run({"--miesiac", "12", "--answers", "ok", "import", kind}, today);
        EXPECT_EQ(imported.code, 0) << kind << imported.err.toStdString();
        EXPECT_TRUE(imported.out.startsWith("Zapisy dodane: ")) << kind;
    }
    EXPECT_EQ(run({"check"}, today).code, 0);
}

TEST_F(DemoDataRoot, EveryMonthHasSalesPurchasesWagesACorrectionAndAResearchCost)
{
    ASSERT_EQ(run({"init", "--demo", "--rok", "2019", "--operator", "Nowak Anna"}).code, 0);
    const auto entries = dumpRows("KSIEGA/KSIEGA");
    for (const char *month : {"01", "05"}) {
        QStringList kinds;
        for (const QHash<QString, QString> &entry : entries) {
            if (entry["MC"] != month)
                continue;
            EXPECT_TRUE(entry["DATA"].startsWith(QString("2019.") + month + ".")) << entry["DATA"].toStdString();
            EXPECT_EQ(entry["NAZWISKO"], "Nowak Anna");
            EXPECT_FALSE(entry["NAZ1"].isEmpty()) << entry["LP"].toStdString();
            for (const char *column : {"K7", "K10", "K11", "K12", "K17"})
                if (!entry[column].isEmpty() && entry[column] != "0.00")
                    kinds << QString(column) + (entry[column].startsWith('-') ? "-" : "");
            if (!entry["K17"].isEmpty() && entry["K17"] != "0.00") {
                EXPECT_EQ(entry["K13"], entry["K17"]) << "a research cost is a cost as well";
                EXPECT_TRUE(entry["UWAGI"].contains("B+R")) << "with its description";
            }
        }
        for (const char *kind : {"K7", "K7-", "K10", "K11", "K12", "K17"})
            EXPECT_TRUE(kinds.contains(kind)) << month << ' ' << kind;
    }
    EXPECT_EQ(entries.size(), 5 * 9);
    EXPECT_EQ(entries.last()["LP"], "45") << "numbered through the year";
    EXPECT_EQ(postedMonths("2019.05.10"), QString("01 02 03 04").split(' '));
    expectDeclarationOfTheSums("04", "2019", "2019.05.10");
    EXPECT_EQ(declaration("1", "2019.05.10")["P47"], "61.44");
    EXPECT_TRUE(run({"taxpayer", "list"}).out.contains("\n1\tDemonstracyjny\tJan\t526-104-08-28\t100\tnie\tnie\n"))
        << "the owner is taxpayer number 1, on the scale, with the whole business";
}

TEST_F(DemoDataRoot, APastYearIsWorkedInDecemberWhateverTheMonthToday)
{
    const QString today = "2026.03.10";
    ASSERT_EQ(run({"init", "--demo", "--rok", "2019"}, today).code, 0);
    EXPECT_EQ(entriesPerMonth(today).size(), 12);
    EXPECT_EQ(entriesPerMonth(today)["12"], 9);
    EXPECT_EQ(statusValue("ostatni_zaksiegowany", today), "11");
    expectDeclarationOfTheSums("11", "2019", today);
    const CliResult imported = run({"--miesiac", "12", "--answers", "ok", "import", "depreciation"}, today);
    EXPECT_EQ(imported.code, 0) << "December's fixed assets are posted" << imported.err.toStdString();
}

TEST_F(DemoDataRoot, AFutureYearHasJanuaryOnlyAndNothingPosted)
{
    ASSERT_EQ(run({"init", "--demo", "--rok", "2020"}).code, 0);
    EXPECT_EQ(entriesPerMonth("2019.05.10"), (QHash<QString, int>{{"01", 9}}));
    EXPECT_EQ(statusValue("ostatni_zaksiegowany"), "0");
    EXPECT_TRUE(dumpRows("DRUKI/DPIT5").isEmpty()) << "no month to declare yet";
    EXPECT_TRUE(run({"taxpayer", "list"}).out.contains("\n1\tDemonstracyjny\t"))
        << "the owner is a taxpayer all the same";
}

TEST_F(DemoDataRoot, ExistingDataIsNeverTouched)
{
    ASSERT_EQ(run({"init", "--demo", "--rok", "2019"}).code, 0);
    const QString before = run({"dump", "KSIEGA/KSIEGA"}).out;
    const CliResult again = run({"init", "--demo", "--rok", "2019"});
    EXPECT_EQ(again.code, 1);
    EXPECT_TRUE(again.err.contains("Tabela już istnieje")) << again.err.toStdString();
    EXPECT_EQ(run({"dump", "KSIEGA/KSIEGA"}).out, before);
    EXPECT_EQ(run({"check"}).code, 0);

    // The invoicing program's own register, there before the program: refused, and left alone.
    ASSERT_TRUE(QDir(at("druga/2021/FIN")).mkpath("."));
    {
        Connection registers(at("druga/2021/FIN/RD.DB"), Connection::Mode::Create);
        registers.exec("CREATE TABLE RD (RD TEXT, NAZWA TEXT, L1 BOOLEAN, Wzor TEXT)");
        registers.exec("INSERT INTO RD VALUES ('FA', 'Moje faktury', 1, '')");
    }
    const CliResult refused = run({"--dr", at("druga"), "init", "--demo", "--rok", "2021"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.contains("Tabela już istnieje: " + at("druga/2021/FIN/RD.DB")))
        << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(at("druga/FIRMA.DB")));
    EXPECT_FALSE(QFile::exists(at("druga/2021/KSIEGA")));
    Connection registers(at("druga/2021/FIN/RD.DB"), Connection::Mode::ReadOnly);
    Statement kept(registers.handle(), "SELECT NAZWA FROM RD");
    ASSERT_TRUE(kept.step());
    EXPECT_EQ(kept.column(0).toString(), "Moje faktury");
}

// Wherever the disk fills up, on the way to the tables or in the middle of the year's book,
// the command fails, prints no result and takes back every table it made; the parameter
// table another firm already uses stays. Once there is room, the same command works.
TEST_F(DemoDataRoot, OnAFullDiskNothingIsLeftAndTheSameCommandWorksLater)
{
    ASSERT_EQ(run({"--dr", at("pierwsza"), "init", "--rok", "2019"}).code, 0);
    const QStringList demo = {"--dr", at("demo"), "init", "--demo", "--rok", "2019"};
    for (const qint64 limit : {0, 16 * 1024, 28 * 1024, 40 * 1024, 52 * 1024}) {
        const CliResult failed = runOnFullDisk(demo, limit);
        EXPECT_EQ(failed.code, 1) << limit;
        EXPECT_EQ(failed.out, "") << limit;
        EXPECT_TRUE(failed.err.contains("Dane demonstracyjne nie zostały założone: nic z nich nie "
                                        "zostało na dysku."))
            << limit << failed.err.toStdString();
        QDirIterator files(at("demo"), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                           QDirIterator::Subdirectories);
        EXPECT_FALSE(files.hasNext()) << limit << " left " << files.next().toStdString();
        EXPECT_TRUE(QFile::exists(at("KSIEGA.DB")));
    }
    EXPECT_EQ(run({"--dr", at("pierwsza"), "status"}).code, 0) << "the other firm starts as before";
    const CliResult room = run(demo);
    ASSERT_EQ(room.code, 0) << room.err.toStdString();
    EXPECT_EQ(run({"--dr", at("demo"), "check"}).code, 0);
    EXPECT_TRUE(run({"--dr", at("demo"), "status"}).out.contains("ostatni_zaksiegowany: 4\n"));
}

// The same for new data without the demo: a rerun never meets "Tabela już istnieje" left by
// a first attempt that the disk stopped.
TEST_F(DemoDataRoot, NewDataOnAFullDiskLeaveNothingEither)
{
    const QStringList init = {"--dr", at("firma"), "init", "--rok", "2019"};
    for (const qint64 limit : {0, 16 * 1024, 40 * 1024}) {
        const CliResult failed = runOnFullDisk(init, limit);
        EXPECT_EQ(failed.code, 1) << limit;
        EXPECT_EQ(failed.out, "") << limit;
        EXPECT_TRUE(failed.err.contains("Dane firmy nie zostały założone: nic z nich nie zostało na dysku."))
            << limit << failed.err.toStdString();
        QDirIterator files(at("firma"), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                           QDirIterator::Subdirectories);
        EXPECT_FALSE(files.hasNext()) << limit << " left " << files.next().toStdString();
    }
    const CliResult room = run(init);
    ASSERT_EQ(room.code, 0) << room.err.toStdString();
    EXPECT_EQ(run({"--dr", at("firma"), "check"}).code, 0);
}
