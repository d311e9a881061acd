#include "cli_program.h"
#include "tests/print/pdf_text.h"

#include <QFile>
#include <QImage>

// A demo year: eight entries in each of January to March, numbered 1 to 24.
class PostingCommands : public CliProgramTest {
protected:
    void SetUp() override
    {
        CliProgramTest::SetUp();
        ASSERT_EQ(run({"init", "--demo", "--rok", "2019", "--operator", "Nowak Anna"}).code, 0);
    }

    // The sums rows by KOD, each as field → text from `dump`.
    QHash<QString, QHash<QString, QString>> sums()
    {
        const QStringList lines = run({"dump", "KSIEGA/SUMA"}).out.split('\n', Qt::SkipEmptyParts);
        const QStringList header = lines.value(0).split('\t');
        QHash<QString, QHash<QString, QString>> rows;
        for (const QString &line : lines.mid(1)) {
            QHash<QString, QString> row;
            const QStringList cells = line.split('\t');
            for (int i = 0; i < header.size(); ++i)
                row.insert(header[i], cells.value(i));
            rows.insert(row["KOD"], row);
        }
        return rows;
    }

    QString status(const QString &key)
    {
        for (const QString &line : run({"status"}).out.split('\n'))
            if (line.startsWith(key + ": "))
                return line.mid(key.size() + 2);
        return QString();
    }
};

TEST_F(PostingCommands, MonthsPostInOrderWithExactTotalsCloseAndReopen)
{
    ASSERT_EQ(run({"--miesiac", "01", "entry", "add", "K7=100,10", "K8=0,20"}).out, "25\n");
    ASSERT_EQ(run({"--miesiac", "02", "entry", "add", "K13=19,99"}).out, "26\n");

    const CliResult early = run({"post", "02"});
    EXPECT_EQ(early.code, 1);
    EXPECT_TRUE(early.err.contains("następny do zaksięgowania jest miesiąc 01")) << early.err.toStdString();
    const CliResult declined = run({"post", "01"});
    EXPECT_EQ(declined.code, 1);
    EXPECT_TRUE(declined.err.contains("Bład numertaora dla pozycji : 25 Czy mimo to kontynuować?"))
        << declined.err.toStdString();
    EXPECT_EQ(sums()["01"]["OZN"], "");

    const CliResult january = run({"--answers", "tak", "post", "01"});
    ASSERT_EQ(january.code, 0) << january.err.toStdString();
    const CliResult february = run({"--answers", "tak", "post", "2"});
    ASSERT_EQ(february.code, 0) << february.err.toStdString();
    EXPECT_TRUE(february.err.contains("pozycji : 9 ")) << "February follows January's 25";

    auto rows = sums();
    const QHash<QString, QString> &m1 = rows["01"];
    EXPECT_EQ(m1["K7"], "4995.60");
    EXPECT_EQ(m1["K9"], "4995.80");
    EXPECT_EQ(m1["K10"], "3480.50");
    EXPECT_EQ(m1["K14"], "976.23");
    EXPECT_EQ(m1["KW"], "539.07");
    EXPECT_EQ(m1["W1"], "30.33");
    EXPECT_EQ(m1["W2"], "43.54");
    EXPECT_EQ(m1["OZN"], "*");
    EXPECT_EQ(m1["NAZWISKO"], "Nowak Anna");
    EXPECT_EQ(m1["DATA"], "2019.05.10");
    EXPECT_EQ(rows["N01"]["K9"], "4995.80");
    EXPECT_EQ(rows["02"]["K14"], "996.22");
    const QHash<QString, QString> &n2 = rows["N02"];
    EXPECT_EQ(n2["K9"], "9891.30");
    EXPECT_EQ(n2["K10"], "6961.00");
    EXPECT_EQ(n2["K14"], "1972.45");
    EXPECT_EQ(n2["OZN"], "*");
    EXPECT_EQ(rows["03"]["OZN"], "");
    EXPECT_EQ(status("ostatni_zaksiegowany"), "2");

    const CliResult closed = run({"--miesiac", "01", "entry", "add", "K7=1"});
    EXPECT_EQ(closed.code, 1);
    EXPECT_TRUE(closed.err.contains("zaksięgowany")) << closed.err.toStdString();
    ASSERT_EQ(run({"--miesiac", "03", "entry", "add", "K7=1"}).out, "27\n");
    const CliResult moved = run({"entry", "edit", "27", "MC=01"});
    EXPECT_EQ(moved.code, 1);
    EXPECT_TRUE(moved.err.contains("Miesiąc zamkniety.\nCzy zapisać zmiany ?")) << moved.err.toStdString();

    EXPECT_EQ(run({"unpost", "01"}).code, 1);
    const CliResult reopened = run({"unpost", "02"});
    ASSERT_EQ(reopened.code, 0) << reopened.err.toStdString();
    rows = sums();
    EXPECT_EQ(rows["02"]["OZN"], "");
    EXPECT_EQ(rows["N02"]["NAZWISKO"], "");
    EXPECT_EQ(rows["N02"]["K9"], "9891.30") << "unposting keeps the totals";
    EXPECT_EQ(status("ostatni_zaksiegowany"), "1");
    EXPECT_EQ(run({"--miesiac", "02", "entry", "add", "K7=1"}).code, 0);
}

TEST_F(PostingCommands, SummaryShowsTheStatementsRowsAndPrintsThem)
{
    ASSERT_EQ(run({"post-current"}).code, 0);
    const QStringList monthly = run({"summary"}).out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(monthly.size(), 13);
    EXPECT_EQ(monthly[0], "NAZWA\tK7\tK8\tK9\tK10\tK11\tK12\tK13\tK14\tK15\tKW\tW1\tW2\tW3\tOZN\tDATA\tNAZWISKO");
    EXPECT_EQ(monthly[3], "Marzec\t4895,50\t0,00\t4895,50\t3480,50\t0,00\t0,00\t976,23\t976,23\t0,00"
                          "\t438,77\t28,90\t40,66\t28,90\t\t\t");
    EXPECT_TRUE(monthly[4].startsWith("Kwiecień\t0,00\t")) << monthly[4].toStdString();

    const QStringList running = run({"summary", "--narastajaco"}).out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(running.size(), 13);
    EXPECT_TRUE(running[3].startsWith("Narastająco Marzec\t14686,50\t")) << running[3].toStdString();
    EXPECT_TRUE(running[12].startsWith("Narastająco Grudzień\t14686,50\t"));

    const CliResult exported = run({"summary", "--wydruk", "eksport", "--plik", at("zest.txt")});
    ASSERT_EQ(exported.code, 0) << exported.err.toStdString();
    QFile file(at("zest.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("|Marzec")) << text.toStdString();
    EXPECT_TRUE(text.contains("4895,50|"));
    EXPECT_TRUE(text.contains("|Wynik finansow|")) << "titles cut to the column";

    const CliResult pdf = run({"summary", "--narastajaco", "--wydruk", "pdf", "--plik", at("zest.pdf")});
    ASSERT_EQ(pdf.code, 0) << pdf.err.toStdString();
    const QString printed = pdfText(at("zest.pdf"));
    EXPECT_TRUE(printed.contains("Zestawienie zbiorcze")) << printed.toStdString();
    EXPECT_TRUE(printed.contains("Narastająco Marzec"));

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
    ASSERT_EQ(run({"--answers", "tak", "post", "01"}).code, 0);
    const CliResult once = run({"--answers", "tak", "delete-all"});
    EXPECT_EQ(once.code, 1);
    EXPECT_TRUE(once.err.contains("Czy napewno chcesz usunąć wszystkie zapisy ?.")) << once.err.toStdString();
    EXPECT_EQ(run({"dump", "KSIEGA/KSIEGA"}).out.count('\n'), 25);

    const CliResult twice = run({"--answers", "tak,tak", "delete-all"});
    ASSERT_EQ(twice.code, 0) << twice.err.toStdString();
    EXPECT_EQ(run({"dump", "KSIEGA/KSIEGA"}).out.count('\n'), 1);
    EXPECT_EQ(sums()["01"]["OZN"], "");
    EXPECT_EQ(sums()["N01"]["K9"], "");
    EXPECT_EQ(status("ostatni_zaksiegowany"), "0");
    EXPECT_EQ(run({"--miesiac", "01", "entry", "add", "K7=1"}).out, "1\n");
}
