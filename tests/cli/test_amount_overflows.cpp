// Sums and products of amounts that no amount holds: each command that meets one stops with
// a message naming what it could not calculate, exits 1, prints nothing that looks like a
// result and writes nothing, and the tables stay whole.

#include "cli_program.h"
#include "platform/sqlite_db.h"
#include "tests/support/maximal_entries.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

class AmountOverflows : public CliProgramTest {
protected:
    // SQL on a table file from outside the program, as another program or a script runs it.
    void sql(const QString &file, const QString &statement)
    {
        Connection connection(at(file), Connection::Mode::ReadWrite);
        connection.exec(statement);
    }

    QByteArray bytes(const QString &file)
    {
        QFile table(at(file));
        EXPECT_TRUE(table.open(QIODevice::ReadOnly)) << file.toStdString();
        return table.readAll();
    }

    void expectRefused(const CliResult &result, const QString &what)
    {
        EXPECT_EQ(result.code, 1) << result.err.toStdString();
        EXPECT_EQ(result.out, "") << "nothing that looks like a result";
        EXPECT_TRUE(result.err.contains("[błąd] Nie można obliczyć " + what
                                        + ": wynik jest poza zakresem, jaki może mieć kwota. "
                                          "Polecenie przerwano."))
            << result.err.toStdString();
    }

    void expectTablesWhole(const QString &today)
    {
        const CliResult check = run({"check"}, today);
        EXPECT_EQ(check.code, 0) << check.out.toStdString() << check.err.toStdString();
    }

    // Files in the folder besides the tables: nothing half written is left behind.
    QStringList filesOutsideTheData() const
    {
        return QDir(folder.path()).entryList(QDir::Files).filter(QRegularExpression("\\.(pdf|xml|png|txt)"));
    }
};

TEST_F(AmountOverflows, AMonthOfTheLargestTypedAmountsIsNeitherPostedPrintedNorExported)
{
    const QString today = QStringLiteral("2026.03.10");
    ASSERT_EQ(run({"init", "--demo", "--rok", "2026"}, today).code, 0);
    // The demo has posted January and February; March, the month of today, is open.
    sql("2026/KSIEGA/KSIEGA.DB", "DELETE FROM KSIEGA WHERE MC = '03'");
    sql("2026/KSIEGA/KSIEGA.DB", MaximalEntriesSql("03", "2026.03.05"));
    const QByteArray sums = bytes("2026/KSIEGA/SUMA.DB");

    expectRefused(run({"--answers", "t", "post", "03"}, today), "sumy kolumny 7");
    EXPECT_EQ(bytes("2026/KSIEGA/SUMA.DB"), sums);

    expectRefused(run({"--miesiac", "03", "--answers", "t", "print", "ledger", "--plik", at("03.pdf")}, today),
                  "sumy K7 na wydruku");
    EXPECT_EQ(bytes("2026/KSIEGA/SUMA.DB"), sums) << "no page count stored";

    expectRefused(run({"jpk", "--plik", at("rok.xml")}, today), "sumy K_9 w pliku JPK");
    EXPECT_EQ(filesOutsideTheData(), QStringList());
    expectTablesWhole(today);
}

TEST_F(AmountOverflows, ATaxNoAmountHoldsLeavesTheDeclarationAsItWas)
{
    ASSERT_EQ(run({"init", "--rok", "2019"}).code, 0);
    ASSERT_EQ(run({"taxpayer", "add", "NAZWISKO=Kowalski", "NIP=1234567890", "ZAPAS4=100", "ZL1=tak"}).code, 0);
    ASSERT_EQ(run({"constants", "set", "25", "WARTOSC=19"}).code, 0);
    ASSERT_EQ(run({"pit5", "new", "--podatnik", "1", "--okres", "03-2019"}).out, "1\n");
    ASSERT_EQ(run({"pit5", "set", "1", "P46=30000"}).code, 0);
    // The largest rate the constants box takes, on the largest base.
    ASSERT_EQ(run({"constants", "set", "25", "WARTOSC=99999999999,99"}).code, 0);
    const QByteArray declarations = bytes("2019/DRUKI/DPIT5.DB");

    expectRefused(run({"pit5", "set", "1", "P46=99999999999"}), "pola P47");
    EXPECT_EQ(bytes("2019/DRUKI/DPIT5.DB"), declarations);
    const CliResult shown = run({"pit5", "show", "1"});
    EXPECT_TRUE(shown.out.contains("P46\t30000.00\n")) << shown.out.toStdString();
    EXPECT_TRUE(shown.out.contains("P47\t5700.00\n")) << shown.out.toStdString();
    expectTablesWhole(QStringLiteral("2019.05.10"));
}

TEST_F(AmountOverflows, SumsAnotherProgramWroteStopTheStatementItsPrintAndItsChart)
{
    ASSERT_EQ(run({"init", "--rok", "2019"}).code, 0);
    // Each figure fits an amount; the year's running income and a month's result do not.
    sql("2019/KSIEGA/SUMA.DB", "UPDATE SUMA SET K9 = 5000000000000000000 WHERE KOD IN ('01', '02')");
    expectRefused(run({"summary", "--wykres", at("wykres.png")}), "dochodu od początku roku na wykresie");

    sql("2019/KSIEGA/SUMA.DB", "UPDATE SUMA SET K10 = -5000000000000000000 WHERE KOD = '01'");
    expectRefused(run({"summary"}), "pola KW");
    expectRefused(run({"summary", "--wydruk", "eksport", "--plik", at("zestawienie.txt")}), "pola KW");
    expectRefused(run({"summary", "--wydruk", "pdf", "--plik", at("zestawienie.pdf")}), "pola KW");
    EXPECT_EQ(filesOutsideTheData(), QStringList());
    expectTablesWhole(QStringLiteral("2019.05.10"));
}
