#include "platform/sqlite_db.h"
#include "tests/cli/cli_program.h"
#include "tests/print/pdf_text.h"

#include <QFile>
#include <QProcess>

// A scale declaration (1) and a flat-rate one (2), both the worked example.
class DeclarationPrintCommand : public CliProgramTest {
protected:
    void SetUp() override
    {
        CliProgramTest::SetUp();
        ASSERT_EQ(run({"init", "--rok", "2019"}).code, 0);
        for (const auto &[code, value] :
             {std::pair{"8", "19"}, {"9", "30"}, {"10", "40"}, {"11", "37024"}, {"15", "530,08"}})
            ASSERT_EQ(run({"constants", "set", code, QStringLiteral("WARTOSC=") + value}).code, 0);
        ASSERT_EQ(run({"taxpayer", "add", "NAZWISKO=Kowalski", "IMIE=Jan", "NIP=1234567890",
                       "ZAPAS4=100"})
                      .code,
                  0);
        ASSERT_EQ(run({"taxpayer", "add", "NAZWISKO=Żurawska", "IMIE=Ewa", "NIP=9876543210",
                       "ZAPAS4=100", "ZL1=tak"})
                      .code,
                  0);
        for (const char *taxpayer : {"1", "2"}) {
            const CliResult created =
                run({"pit5", "new", "--podatnik", taxpayer, "--okres", "03-2019"});
            ASSERT_EQ(created.code, 0) << created.err.toStdString();
            ASSERT_EQ(run({"pit5", "set", created.out.trimmed(), "K71=50000", "K72=20000,40"}).code,
                      0);
        }
    }

    // The text of the printed file with its lines run together, as a reader takes it in.
    QString read(const QString &file) { return pdfText(at(file)).simplified(); }

    // One page of it, laid out as printed, blanks run together.
    QString pdfPage(const QString &file, int page)
    {
        QProcess process;
        process.start("pdftotext", {"-layout", "-f", QString::number(page), "-l",
                                    QString::number(page), at(file), "-"});
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput()).simplified();
    }
};

TEST_F(DeclarationPrintCommand, ScaleDeclarationPrintsItsValuesInTheirSections)
{
    const CliResult printed =
        run({"--answers", "tak,tak,tak", "pit5", "print", "1", "--plik", "pit5.pdf"});
    ASSERT_EQ(printed.code, 0) << printed.err.toStdString();
    EXPECT_EQ(printed.out, "");
    EXPECT_TRUE(printed.err.contains("Wydruk 2 strony po obróceniu kartki wciśnij Yes"));
    EXPECT_TRUE(printed.err.contains("Wydruk 3 strony wciśnij Yes"));
    EXPECT_TRUE(printed.err.contains("Wydruk 4 strony po obróceniu kartki wciśnij Yes"));
    EXPECT_EQ(pdfInfo(at("pit5.pdf"), "Pages"), "4");
    EXPECT_EQ(pdfInfo(at("pit5.pdf"), "Page size"), "595 x 842 pts (A4)");

    // Each value on the page of its section.
    const auto onPage = [this](int page, const QString &heading, const QString &value) {
        const QString text = pdfPage("pit5.pdf", page);
        return text.contains(heading) && text.contains(value);
    };
    EXPECT_TRUE(onPage(1, "1. NIP podatnika", "1 2 3 - 4 5 6 - 7 8 - 9 0"))
        << pdfPage("pit5.pdf", 1).toStdString();
    EXPECT_TRUE(onPage(1, "B. DANE PODATNIKA", "Kowalski"));
    EXPECT_TRUE(onPage(1, "C. USTALENIE DOCHODU / STRATY", "50 000,00"));
    EXPECT_TRUE(onPage(1, "C. USTALENIE DOCHODU / STRATY", "20 000,40"));
    EXPECT_TRUE(onPage(1, "D. DOCHÓD PO ODLICZENIU DOCHODU ZWOLNIONEGO I STRAT", "29 999,60"));
    EXPECT_TRUE(onPage(2, "I. USTALENIE PODSTAWY OBLICZENIA PODATKU", "30 000,00"));
    EXPECT_TRUE(onPage(2, "J.1. OBLICZENIE PODATKU", "5 169,92"));
    EXPECT_TRUE(onPage(3, "J.3. OBLICZENIE NALEŻNEJ ZALICZKI", "5 170,00"));
    EXPECT_TRUE(onPage(3, "K. POZAROLNICZA DZIAŁALNOSC GOSPODARCZA", "29 999,60"));
    EXPECT_TRUE(onPage(4, "L. POZAROLNICZA DZIAŁALNOSC GOSPODARCZA", "PIT-5 strona 4 z 4"));
    const QString text = read("pit5.pdf");
    EXPECT_FALSE(text.contains("10-05-2019")) << "the declaration's date is not printed";
}

TEST_F(DeclarationPrintCommand, FlatRateDeclarationHasThreePages)
{
    const CliResult first = run({"pit5", "print", "2", "--plik", "pierwsza.pdf"});
    ASSERT_EQ(first.code, 0) << first.err.toStdString();
    EXPECT_EQ(pdfInfo(at("pierwsza.pdf"), "Pages"), "1") << "no answers: page 1 only";
    EXPECT_FALSE(first.err.contains("Wydruk 4 strony"));

    ASSERT_EQ(run({"--answers", "tak,tak", "pit5", "print", "2", "--plik", "pit5l.pdf"}).code, 0);
    EXPECT_EQ(pdfInfo(at("pit5l.pdf"), "Pages"), "3");
    const QString text = read("pit5l.pdf");
    EXPECT_TRUE(text.contains("PIT-5L"));
    EXPECT_TRUE(text.contains("987-654-32-10")) << "the NIP as it is" << text.toStdString();
    EXPECT_TRUE(text.contains("Żurawska"));
    EXPECT_TRUE(text.indexOf("5 700,00") > text.indexOf("J.1. OBLICZENIE PODATKU"));
    EXPECT_TRUE(text.contains("PIT-5L strona 3 z 3"));

    ASSERT_EQ(run({"pit5", "print", "2", "--strona", "2", "--plik", "druga.pdf"}).code, 0);
    EXPECT_EQ(pdfInfo(at("druga.pdf"), "Pages"), "1");
    EXPECT_TRUE(read("druga.pdf").contains("PIT-5L strona 2 z 3"));
}

TEST_F(DeclarationPrintCommand, PagesTheFormLacksAndBadOptionsAreRefused)
{
    const CliResult fourth = run({"pit5", "print", "2", "--strona", "4", "--plik", "x.pdf"});
    EXPECT_EQ(fourth.code, 1);
    EXPECT_TRUE(fourth.err.contains("Formularz PIT-5L ma 3 strony: nie ma strony 4."))
        << fourth.err.toStdString();
    EXPECT_EQ(fourth.out, "");
    EXPECT_FALSE(QFile::exists(at("x.pdf")));
    EXPECT_EQ(run({"pit5", "print", "1", "--strona", "0", "--plik", "x.pdf"}).code, 1);
    EXPECT_EQ(run({"pit5", "print", "1", "--strona", "5", "--plik", "x.pdf"}).code, 1);
    EXPECT_EQ(run({"pit5", "print", "9", "--plik", "x.pdf"}).code, 1) << "no such declaration";
    EXPECT_EQ(run({"pit5", "print", "1", "--strona", "dwa", "--plik", "x.pdf"}).code, 2);
    EXPECT_EQ(run({"pit5", "print", "1", "--strona", "2"}).code, 2) << "no file named";
    EXPECT_EQ(run({"pit5", "print", "1", "--kolor", "--plik", "x.pdf"}).code, 2);
    EXPECT_FALSE(QFile::exists(at("x.pdf")));
}

TEST_F(DeclarationPrintCommand, AFileThatCannotBeWrittenIsAFailure)
{
    const CliResult missing =
        run({"pit5", "print", "1", "--strona", "2", "--plik", "brak/deklaracja.pdf"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_TRUE(missing.err.contains("Błąd otwarcia pliku : brak/deklaracja.pdf"))
        << missing.err.toStdString();

    const CliResult full = run({"pit5", "print", "1", "--plik", "/dev/full"});
    EXPECT_EQ(full.code, 1);
    EXPECT_EQ(full.out, "");
    EXPECT_TRUE(full.err.trimmed().endsWith("Błąd zapisu pliku : /dev/full"))
        << full.err.toStdString();
}

TEST_F(DeclarationPrintCommand, PreprintedFormsGetOnlyTheValues)
{
    Connection(at("KSIEGA.DB"), Connection::Mode::ReadWrite).exec("UPDATE KSIEGA SET ZL1 = 0");
    ASSERT_EQ(run({"pit5", "print", "1", "--plik", "nadruk.pdf"}).code, 0);
    const QString text = read("nadruk.pdf");
    EXPECT_TRUE(text.contains("50 000,00"));
    EXPECT_TRUE(text.contains("Kowalski"));
    EXPECT_FALSE(text.contains("C. USTALENIE DOCHODU / STRATY"));
    EXPECT_FALSE(text.contains("1. NIP podatnika"));
}
