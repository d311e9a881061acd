#include "cli_program.h"

#include <QFileInfo>

class JpkCommand : public CliProgramTest {
protected:
    // The schema installed beside the program, as xmllint is given it.
    QString xmllint(const QString &file)
    {
        const QString schema = QFileInfo(QStringLiteral(KSIEGA_CLI_PATH)).absolutePath()
                               + QStringLiteral("/jpk_pkpir3");
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XML_CATALOG_FILES", schema + "/catalog.xml");
        process.setProcessEnvironment(env);
        process.start("xmllint", {"--nonet", "--noout", "--schema",
                                  schema + "/Struktura_Schemat_JPK_PKPIR(3)_v1-0.xsd", file});
        EXPECT_TRUE(process.waitForFinished(60000));
        return QString::fromUtf8(process.readAllStandardError()).trimmed();
    }
};

TEST_F(JpkCommand, TheDemoYearIsWrittenAsAValidFileWithItsSummary)
{
    ASSERT_EQ(run({"init", "--demo", "--rok", "2026"}, "2026.03.10").code, 0);
    const CliResult written = run({"jpk", "--plik", "demo.xml"}, "2026.03.10");
    ASSERT_EQ(written.code, 0) << written.err.toStdString();
    EXPECT_EQ(xmllint(at("demo.xml")), at("demo.xml") + " validates");
    EXPECT_TRUE(written.out.startsWith("Zapisano plik JPK_PKPIR: demo.xml\nOkres: 01.01.2026 – 31.12.2026\n"
                                       "Urząd skarbowy: 1433\nLiczba wierszy: 27\n"))
        << written.out.toStdString();

    const CliResult quarter = run({"jpk", "--od", "02", "--do", "03", "--cel", "2", "--urzad", "0202",
                                   "--plik", "kwartal.xml"}, "2026.03.10");
    ASSERT_EQ(quarter.code, 0) << quarter.err.toStdString();
    EXPECT_TRUE(quarter.out.contains("Okres: 01.02.2026 – 31.03.2026\nUrząd skarbowy: 0202\nLiczba wierszy: 18\n"));
    EXPECT_EQ(xmllint(at("kwartal.xml")), at("kwartal.xml") + " validates");

    const CliResult empty = run({"jpk", "--od", "04", "--plik", "pusty.xml"}, "2026.03.10");
    EXPECT_EQ(empty.code, 1);
    EXPECT_TRUE(empty.err.contains("Brak zapisów w okresie."));
    EXPECT_TRUE(empty.out.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(at("pusty.xml")));

    EXPECT_EQ(run({"jpk", "--od", "05", "--do", "02", "--plik", "x.xml"}, "2026.03.10").code, 2);
    EXPECT_EQ(run({"jpk", "--cel", "3", "--plik", "x.xml"}, "2026.03.10").code, 2);
    EXPECT_EQ(run({"jpk"}, "2026.03.10").code, 2) << "the file is required";
}
