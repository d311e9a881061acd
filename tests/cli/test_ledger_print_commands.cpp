#include "cli_program.h"
#include "tests/print/pdf_text.h"

#include <QFileInfo>
#include <QRegularExpression>

using LedgerPrintCommands = CliProgramTest;

TEST_F(LedgerPrintCommands, TheWholePrintGoesIntoOneFileAndTheNextMonthContinuesItsPages)
{
    ASSERT_EQ(run({"init", "--demo", "--firma", "Łąka", "--rok", "2019"}).code, 0);
    const CliResult january =
        run({"--miesiac", "01", "--answers", "t", "print", "ledger", "--plik", at("01.pdf")});
    ASSERT_EQ(january.code, 0) << january.err.toStdString();
    EXPECT_EQ(january.out, "Strony: 1–1\n");
    EXPECT_TRUE(january.err.contains("Koniec wydruku stron parzystych.")) << january.err.toStdString();
    EXPECT_EQ(pdfInfo(at("01.pdf"), "Pages"), "2");
    EXPECT_EQ(pdfInfo(at("01.pdf"), "Page size"), "842 x 595 pts (A4)") << "A4 landscape";
    const QString text = pdfText(at("01.pdf"));
    for (const char *expected :
         {"Strona: 1", "Łąka", "Miesiąc 01 2019", "Księga przychodów i rozchodów", "Data wydruku:",
          "KONTRAHENT", "Opis zdarzenia gospodarczego", "FS/1/01/2019", "PRZYCHÓD", "WYDATKI",
          "Razem strona:", "Razem od początku roku:", "Razem miesiąc:", "zł", "gr"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    EXPECT_EQ(text.count("Strona: 1"), 2) << "both halves";
    EXPECT_FALSE(text.contains("KSeF")) << "no column of the book before 2026";

    const CliResult february = run({"--miesiac", "02", "print", "ledger", "--plik", at("02.pdf")});
    ASSERT_EQ(february.code, 0) << february.err.toStdString();
    EXPECT_EQ(february.out, "Strony: 2–2\n") << "no answer: the first half only";
    EXPECT_EQ(pdfInfo(at("02.pdf"), "Pages"), "1");

    const CliResult again = run({"--miesiac", "02", "print", "ledger", "--strona", "2", "--od", "40",
                                 "--plik", at("02b.pdf")});
    EXPECT_EQ(again.out, "Strony: 40–40\n");
    EXPECT_TRUE(pdfText(at("02b.pdf")).contains("Strona: 40"));
    EXPECT_EQ(run({"--miesiac", "03", "print", "ledger", "--strona", "1", "--plik", at("03.pdf")}).out,
              "Strony: 41–41\n");
}

// Read as a person reads the sheets: the column numbers stand in one row under the captions.
TEST_F(LedgerPrintCommands, ABookOf2026PrintsItsNineteenColumns)
{
    ASSERT_EQ(run({"init", "--demo", "--rok", "2026"}).code, 0);
    const CliResult added =
        run({"--rok", "2026", "--miesiac", "03", "entry", "add", "DATA=2026.03.25",
             "NRKSIEG=FV/9/2026", "KSEF=5260001246-20260302-0A1B2C3D4E5F-1A", "NIP=DE123456789",
             "NAZ1=Großhandel Müller", "OPIS1=Zakup towarów", "K10=12345,67"});
    ASSERT_EQ(added.code, 0) << added.err.toStdString();
    const CliResult printed = run({"--rok", "2026", "--miesiac", "03", "--answers", "t", "print",
                                   "ledger", "--plik", at("2026.pdf")});
    ASSERT_EQ(printed.code, 0) << printed.err.toStdString();
    EXPECT_EQ(pdfInfo(at("2026.pdf"), "Pages"), "2");
    EXPECT_EQ(pdfInfo(at("2026.pdf"), "Page size"), "842 x 595 pts (A4)");
    const QString text = pdfText(at("2026.pdf"), true);
    const auto hasRow = [&text](const char *pattern) {
        return text.contains(QRegularExpression(QString::fromLatin1(pattern),
                                                QRegularExpression::MultilineOption));
    };
    EXPECT_TRUE(hasRow("^\\s*1\\s+2\\s+3\\s+4\\s+5\\s+6\\s+7\\s+8\\s*$")) << text.toStdString();
    EXPECT_TRUE(hasRow("^\\s*9\\s+10\\s+11\\s+12\\s+13\\s+14\\s+15\\s+16\\s+17\\s+18\\s+19\\s*$"))
        << text.toStdString();
    for (const char *expected : {"Numer KSeF", "podatkowy", "DE123456789", "5260001246-20260302-",
                                 "0A1B2C3D4E5F-1A", "Großhandel Müller", "(9+10)", "(14 + 15)",
                                 "12 345,67", "Razem od początku roku:"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
}

TEST_F(LedgerPrintCommands, RefusedPrintsSayWhyAndKeepThePageCount)
{
    ASSERT_EQ(run({"init", "--demo", "--rok", "2019"}).code, 0);
    ASSERT_EQ(run({"--miesiac", "01", "print", "ledger", "--strona", "1", "--od", "9", "--plik",
                   at("a.pdf")}).code, 0);
    const QString next = "Strony: 10–10\n";

    const CliResult year = run({"--miesiac", "13", "print", "ledger", "--plik", at("rok.pdf")});
    EXPECT_EQ(year.code, 1);
    EXPECT_TRUE(year.err.startsWith("[błąd] Księgę drukuje się dla jednego miesiąca"))
        << year.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(at("rok.pdf")));

    const CliResult typed = run({"--miesiac", "01", "print", "ledger", "--od", "x", "--plik", at("b.pdf")});
    EXPECT_EQ(typed.code, 1);
    EXPECT_EQ(typed.err, "[błąd] 'x' nie jest poprawną liczbą całkowitą.\n");
    EXPECT_EQ(typed.out, "");

    const CliResult full = run({"--miesiac", "01", "print", "ledger", "--strona", "1", "--od", "77",
                                "--plik", "/dev/full"});
    EXPECT_EQ(full.code, 1);
    EXPECT_TRUE(full.err.contains("[błąd] Błąd zapisu pliku : /dev/full")) << full.err.toStdString();
    EXPECT_EQ(full.out, "");
    const CliResult missing = run({"--miesiac", "01", "print", "ledger", "--strona", "1", "--od", "77",
                                   "--plik", at("brak/a.pdf")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.out, "");

    EXPECT_EQ(run({"--miesiac", "02", "print", "ledger", "--strona", "1", "--plik", at("c.pdf")}).out,
              next) << "January's count stayed at 9";
    EXPECT_EQ(run({"print", "ledger", "--strona", "3", "--plik", at("d.pdf")}).code, 2);
}

TEST_F(LedgerPrintCommands, TitlePageAndStatement)
{
    ASSERT_EQ(run({"init", "--rok", "2019"}).code, 0);
    ASSERT_EQ(run({"print", "title", "--plik", at("t.pdf")}).code, 0);
    const QString title = pdfText(at("t.pdf"));
    for (const char *expected : {"PODATKOWA", "KSIĘGA PRZYCHODÓW I ROZCHODÓW", "Imię i nazwisko",
                                 "Adres", "Rodzaj działalności"})
        EXPECT_TRUE(title.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_EQ(pdfInfo(at("t.pdf"), "Page size"), "842 x 595 pts (A4)");

    const CliResult statement = run({"print", "statement", "ROK=2020", "nazwisko=Józef Żak",
                                     "WSPOLNIK4=Anna Nowak, Kraków", "--plik", at("o.pdf")});
    ASSERT_EQ(statement.code, 0) << statement.err.toStdString();
    const QString form = pdfText(at("o.pdf"));
    for (const char *expected : {"OŚWIADCZENIE", "Oswiadczam, że w roku", "2020", "Józef Żak",
                                 "4.", "Anna Nowak, Kraków", "podpis podatnika", "Uwaga!",
                                 "miejsca zamieszkania urzędzie skarbowym."})
        EXPECT_TRUE(form.contains(QString::fromUtf8(expected))) << expected << "\n" << form.toStdString();
    EXPECT_EQ(pdfInfo(at("o.pdf"), "Pages"), "1");
    EXPECT_EQ(run({"print", "statement", "PESEL2=1", "--plik", at("x.pdf")}).code, 2);
    EXPECT_TRUE(run({"print", "statement", "--help"}).out.contains("WSPOLNIK1"));
}
