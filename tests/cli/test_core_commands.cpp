#include "cli_program.h"

#include <QDir>
#include <QFile>

using CoreCommands = CliProgramTest;

TEST_F(CoreCommands, InitThenStatusShowsTheNewYear)
{
    const CliResult init = run({"init", "--firma", "Test", "--rok", "2019"});
    ASSERT_EQ(init.code, 0) << init.err.toStdString();
    const CliResult status = run({"status"});
    EXPECT_EQ(status.code, 0) << status.err.toStdString();
    const QString year = folder.path() + "/2019/";
    EXPECT_EQ(status.out, "katalog: " + folder.path() + "/\nrok: 2019\nmiesiac: 05\n"
                          "uzytkownik: Administrator\nlata: 2019\ntabele: FIRMA;" + year
                          + "FIN/KONTRAHI;" + year + "KSIEGA/KSIEGA;" + year + "KSIEGA/SUMA;"
                          + year + "KSIEGA/USER;" + year + "KSIEGA/OPISZG\n"
                          "ostatni_zaksiegowany: 0\n");
    EXPECT_TRUE(status.err.isEmpty()) << status.err.toStdString();
    EXPECT_TRUE(QFile::exists(at("2019/KSIEGA/SUMA.STR")));
}

TEST_F(CoreCommands, StatusFailsWhenATableWillNotOpen)
{
    ASSERT_EQ(run({"init", "--firma", "Test", "--rok", "2019"}).code, 0);
    QFile table(at("2019/KSIEGA/OPISZG.DB"));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly | QIODevice::Truncate));
    table.write(QByteArray(8192, 'x'));
    table.close();
    const CliResult status = run({"status"});
    EXPECT_EQ(status.code, 1);
    EXPECT_TRUE(status.err.contains("Błąd otwarcia bazy : Opis zdarzenia gospodarczego"))
        << status.err.toStdString();
}

TEST_F(CoreCommands, InitRefusesToOverwrite)
{
    ASSERT_EQ(run({"init", "--firma", "Test", "--rok", "2019"}).code, 0);
    const CliResult again = run({"init", "--firma", "Inna", "--rok", "2019"});
    EXPECT_EQ(again.code, 1);
    EXPECT_TRUE(again.err.contains("Tabela już istnieje")) << again.err.toStdString();
    EXPECT_EQ(run({"init", "--rok", "19"}).code, 2);
    EXPECT_EQ(run({"init", "--nie-ma-takiej"}).code, 2);
}

TEST_F(CoreCommands, InitTakesWholeOptionNamesOnlyAndMakesNothingOnAUsageError)
{
    const QList<QStringList> refused = {{"init", "--firmaXYZ", "Test"},
                                        {"init", "--fir", "Test"},
                                        {"init", "--firma"},
                                        {"init", "--firma="},
                                        {"init", "--demo=tak"},
                                        {"init", "--rok", "2019", "nadmiar"}};
    for (const QStringList &args : refused) {
        const CliResult result = run(args);
        EXPECT_EQ(result.code, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
        EXPECT_TRUE(result.err.contains("Użycie: ksiega-cli init [--firma NAZWA]"))
            << result.err.toStdString();
    }
    EXPECT_EQ(run({"init", "--firmaXYZ", "Test"}).err.section('\n', 0, 0),
              "ksiega-cli init: Nieznana opcja: --firmaXYZ");
    EXPECT_EQ(run({"init", "--firma"}).err.section('\n', 0, 0),
              "ksiega-cli init: Opcja --firma wymaga wartości.");
    EXPECT_FALSE(QFile::exists(at("KSIEGA.DB")));

    const CliResult joined =
        run({"init", "--firma=Łąka Sp. z o.o.", "--rok=2019", "--operator", "Nowak Anna"});
    ASSERT_EQ(joined.code, 0) << joined.err.toStdString();
    EXPECT_EQ(joined.out, "Założono dane firmy \"Łąka Sp. z o.o.\" na rok 2019.\n");
    EXPECT_TRUE(run({"status"}).out.contains("\nuzytkownik: Nowak Anna\n"));
}

// "dr=" and "rok" as the desktop program takes them: "_" in the path stands for a space.
TEST_F(CoreCommands, DesktopFormsNameTheDataRootAndTheYear)
{
    ASSERT_TRUE(QDir(folder.path()).mkpath("biuro rachunkowe"));
    ASSERT_EQ(run({"--dr", "biuro rachunkowe", "init", "--rok", "2019"}).code, 0);
    const CliResult desktop = run({"DR=biuro_rachunkowe", "Rok", "2019", "--miesiac=3", "status"});
    EXPECT_EQ(desktop.code, 0) << desktop.err.toStdString();
    EXPECT_TRUE(desktop.out.startsWith("katalog: biuro rachunkowe/\nrok: 2019\nmiesiac: 03\n"))
        << desktop.out.toStdString();
    EXPECT_TRUE(desktop.err.isEmpty()) << desktop.err.toStdString();

    const CliResult literal = run({"--dr", "biuro_rachunkowe", "--rok", "2019", "status"});
    EXPECT_TRUE(literal.out.startsWith("katalog: biuro_rachunkowe/\n"))
        << literal.out.toStdString();
    EXPECT_TRUE(literal.err.contains("Baza : biuro_rachunkowe/FIRMA.DB"))
        << literal.err.toStdString();
}

TEST_F(CoreCommands, DumpShowsTheSumsRowsWithTheirCalculatedIncome)
{
    ASSERT_EQ(run({"init", "--rok", "2019"}).code, 0);
    const CliResult dump = run({"dump", "KSIEGA/SUMA"});
    ASSERT_EQ(dump.code, 0) << dump.err.toStdString();
    const QStringList lines = dump.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 25);
    EXPECT_EQ(lines[0], "KOD\tNAZWA\tOZN\tNAZWISKO\tDATA\tK7\tK8\tK9\tK10\tK11\tK12\tK13\tK14\t"
                        "K15\tK16\tIlstr\tW1\tW2\tW3\tK17\tKW");
    EXPECT_EQ(lines[1], "01\tStyczeń" + QString("\t").repeated(18) + "\t0.00");
    EXPECT_TRUE(lines.contains("N12\tNarastająco Grudzień" + QString("\t").repeated(18) + "\t0.00"));
}

TEST_F(CoreCommands, DemoDataRootHasContractorsAndEntries)
{
    ASSERT_EQ(run({"init", "--demo", "--firma", "Demo", "--rok", "2019"}).code, 0);
    const CliResult ledger = run({"dump", "KSIEGA/KSIEGA"});
    ASSERT_EQ(ledger.code, 0) << ledger.err.toStdString();
    const QStringList lines = ledger.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 1 + 5 * 9) << "January to May, today's month";
    EXPECT_TRUE(lines[0].endsWith("\tK9\tK14\tK15"));
    const CliResult contractors = run({"dump", "FIN/KONTRAHI"});
    EXPECT_EQ(contractors.out.count('\n'), 1 + 6);
    const CliResult firm = run({"dump", "FIRMA"});
    EXPECT_TRUE(firm.out.contains("\tDemo\tDemo\t")) << firm.out.toStdString();
    const CliResult parameters = run({"dump", "KSIEGA"});
    EXPECT_TRUE(parameters.out.startsWith("P2\tP3\tL3\tB1\tUS\tML\tMG\tZL1\tADATA\tACYKL\n10\t10\t0\tnie\t"
                                          "1433 Urząd Skarbowy Warszawa-Mokotów\t0\t0\ttak\t"))
        << parameters.out.toStdString();
}

TEST_F(CoreCommands, StartWithoutTheParameterTableFails)
{
    const CliResult status = run({"status"});
    EXPECT_EQ(status.code, 1);
    EXPECT_TRUE(status.err.contains("[błąd]")) << status.err.toStdString();
}
