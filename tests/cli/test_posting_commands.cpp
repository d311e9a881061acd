#include "cli_program.h"
#include "tests/print/pdf_text.h"

#include <QFile>
#include <QImage>

// The demo year on 2019.05.10: January to April posted, May open, nine entries a month
// numbered 1 to 45.
class PostingCommands : public CliProgramTest {
protected:
    void SetUp() override
    {
        CliProgramTest::SetUp();
        ASSERT_EQ(run({"init", "--demo", "--rok", "2019", "--operator", "Nowak Anna"}).code, 0);
    }
};

TEST_F(PostingCommands, MonthsPostInOrderWithExactTotalsCloseAndReopen)
{
    ASSERT_EQ(run({"--miesiac", "06", "entry", "add", "K13=19,99"}).out, "46\n");
    ASSERT_EQ(run({"--miesiac", "05", "entry", "add", "K7=100,10", "K8=0,20"}).out, "47\n");

    const CliResult early = run({"post", "06"});
    EXPECT_EQ(early.code, 1);
    EXPECT_TRUE(early.err.contains("następny do zaksięgowania jest miesiąc 05")) << early.err.toStdString();
    const CliResult declined = run({"post", "05"});
    EXPECT_EQ(declined.code, 1);
    EXPECT_TRUE(declined.err.contains("Bład numertaora dla pozycji : 47 Czy mimo to kontynuować?"))
        << declined.err.toStdString();
    EXPECT_EQ(sumsRows()["05"]["OZN"], "");

    const CliResult may = run({"--answers", "tak", "post", "05"});
    ASSERT_EQ(may.code, 0) << may.err.toStdString();
    const CliResult june = run({"--answers", "tak", "post", "6"});
    ASSERT_EQ(june.code, 0) << june.err.toStdString();
    EXPECT_TRUE(june.err.contains("pozycji : 46 ")) << "June follows May's 47";

    auto rows = sumsRows();
    const QHash<QString, QString> &m5 = rows["05"];
    EXPECT_EQ(m5["K7"], "31380.85");
    EXPECT_EQ(m5["K9"], "31381.05");
    EXPECT_EQ(m5["K10"], "12300.75");
    EXPECT_EQ(m5["K14"], "5563.80");
    EXPECT_EQ(m5["KW"], "12858.50");
    EXPECT_EQ(m5["W1"], "58.71");
    EXPECT_EQ(m5["W2"], "142.16");
    EXPECT_EQ(m5["OZN"], "*");
    EXPECT_EQ(m5["NAZWISKO"], "Nowak Anna");
    EXPECT_EQ(m5["DATA"], "2019.05.10");
    EXPECT_EQ(rows["N05"]["K9"], "121469.61") << "April's running totals and May's own";
    EXPECT_EQ(rows["06"]["K14"], "19.99");
    const QHash<QString, QString> &n6 = rows["N06"];
    EXPECT_EQ(n6["K9"], "121469.61");
    EXPECT_EQ(n6["K10"], "47726.91");
    EXPECT_EQ(n6["K14"], "27838.99");
    EXPECT_EQ(n6["OZN"], "*");
    EXPECT_EQ(rows["07"]["OZN"], "");
    EXPECT_EQ(statusValue("ostatni_zaksiegowany"), "6");

    const CliResult closed = run({"--miesiac", "05", "entry", "add", "K7=1"});
    EXPECT_EQ(closed.code, 1);
    EXPECT_TRUE(closed.err.contains("zaksięgowany")) << closed.err.toStdString();
    ASSERT_EQ(run({"--miesiac", "07", "entry", "add", "K7=1"}).out, "48\n");
    const CliResult moved = run({"entry", "edit", "48", "MC=05"});
    EXPECT_EQ(moved.code, 1);
    EXPECT_TRUE(moved.err.contains("Miesiąc zamkniety.\nCzy zapisać zmiany ?")) << moved.err.toStdString();

    EXPECT_EQ(run({"unpost", "05"}).code, 1);
    const CliResult reopened = run({"unpost", "06"});
    ASSERT_EQ(reopened.code, 0) << reopened.err.toStdString();
    rows = sumsRows();
    EXPECT_EQ(rows["06"]["OZN"], "");
    EXPECT_EQ(rows["N06"]["NAZWISKO"], "");
    EXPECT_EQ(rows["N06"]["K9"], "121469.61") << "unposting keeps the totals";
    EXPECT_EQ(statusValue("ostatni_zaksiegowany"), "5");
    EXPECT_EQ(run({"--miesiac", "06", "entry", "add", "K7=1"}).code, 0);
}

TEST_F(PostingCommands, SummaryShowsTheStatementsRowsAndPrintsThem)
{
    ASSERT_EQ(run({"post-current"}).code, 0);
    const QStringList monthly = run({"summary"}).out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(monthly.size(), 13);
    EXPECT_EQ(monthly[0], "NAZWA\tK7\tK8\tK9\tK10\tK11\tK12\tK13\tK14\tK15\tKW\tW1\tW2\tW3\tOZN\tDATA\tNAZWISKO");
    EXPECT_TRUE(monthly[4].startsWith("Kwiecień\t25024,60\t")) << monthly[4].toStdString();
    EXPECT_TRUE(monthly[4].endsWith("\t*\t2019.05.10\tNowak Anna")) << "posted by the demo";
    EXPECT_EQ(monthly[5], "Maj\t31280,75\t0,00\t31280,75\t12300,75\t658,00\t4200,00\t1363,80\t5563,80"
                          "\t0,00\t12758,20\t58,57\t141,39\t58,57\t\t\t")
        << "the open month's totals, not posted";
    EXPECT_TRUE(monthly[6].startsWith("Czerwiec\t0,00\t")) << monthly[6].toStdString();

    const QStringList running = run({"summary", "--narastajaco"}).out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(running.size(), 13);
    EXPECT_TRUE(running[5].startsWith("Narastająco Maj\t121369,31\t")) << running[5].toStdString();
    EXPECT_TRUE(running[12].startsWith("Narastająco Grudzień\t121369,31\t"));

    const CliResult exported = run({"summary", "--wydruk", "eksport", "--plik", at("zest.txt")});
    ASSERT_EQ(exported.code, 0) << exported.err.toStdString();
    QFile file(at("zest.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("|Maj")) << text.toStdString();
    EXPECT_TRUE(text.contains("31280,75|"));
    EXPECT_TRUE(text.contains("|Wynik finansow|")) << "titles cut to the column";

    const CliResult pdf = run({"summary", "--narastajaco", "--wydruk", "pdf", "--plik", at("zest.pdf")});
    ASSERT_EQ(pdf.code, 0) << pdf.err.toStdString();
    const QString printed = pdfText(at("zest.pdf"));
    EXPECT_TRUE(printed.contains("Zestawienie zbiorcze")) << printed.toStdString();
    EXPECT_TRUE(printed.contains("Narastająco Maj"));

    const CliResult chart = run({"summary", "--wykres", at("wykres.png")});
    ASSERT_EQ(chart.code, 0) << chart.err.toStdString();
    EXPECT_EQ(chart.out, "Wykres zapisano w pliku " + at("wykres.png") + ".\n");
    EXPECT_EQ(QImage(at("wykres.png")).width(), 1600);
    const CliResult nowhere = run({"summary", "--wykres", at("brak/wykres.pdf")});
    EXPECT_EQ(nowhere.code, 1);
    EXPECT_TRUE(nowhere.out.isEmpty()) << nowhere.out.toStdString();
    EXPECT_TRUE(nowhere.err.contains("Nie można zapisać wykresu")) << nowhere.err.toStdString();

    EXPECT_EQ(run({"summary", "--wydruk", "eksport"}).code, 2);
    EXPECT_EQ(run({"summary", "--wydruk", "papier", "--plik", at("x")}).code, 2);
    EXPECT_EQ(run({"summary", "--rocznie"}).code, 2);
    EXPECT_EQ(run({"post", "14"}).code, 2);
}

TEST_F(PostingCommands, DeleteAllAsksTwiceAndOpensTheYearAtOnce)
{
    ASSERT_EQ(statusValue("ostatni_zaksiegowany"), "4");
    const CliResult once = run({"--answers", "tak", "delete-all"});
    EXPECT_EQ(once.code, 1);
    EXPECT_TRUE(once.err.contains("Czy napewno chcesz usunąć wszystkie zapisy ?.")) << once.err.toStdString();
    EXPECT_EQ(run({"dump", "KSIEGA/KSIEGA"}).out.count('\n'), 1 + 45);

    const CliResult twice = run({"--answers", "tak,tak", "delete-all"});
    ASSERT_EQ(twice.code, 0) << twice.err.toStdString();
    EXPECT_EQ(run({"dump", "KSIEGA/KSIEGA"}).out.count('\n'), 1);
    EXPECT_EQ(sumsRows()["01"]["OZN"], "");
    EXPECT_EQ(sumsRows()["N04"]["K9"], "");
    EXPECT_EQ(statusValue("ostatni_zaksiegowany"), "0");
    EXPECT_EQ(run({"--miesiac", "01", "entry", "add", "K7=1"}).out, "1\n");
}
