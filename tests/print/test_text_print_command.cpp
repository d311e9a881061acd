// ksiega-cli text-print: standard input through the engine to each output.

#include "pdf_text.h"
#include "print_fixture.h"

#include "cli/print_commands.h"

#include <QProcess>

class TextPrintCommand : public EngineTest {
protected:
    // The command in this process with `input` as its standard input.
    int run(const QStringList &arguments, const QString &input)
    {
        options.operatorName = QStringLiteral("Jan");
        QString inputText = input;
        QTextStream in(&inputText);
        CommandContext context{options, arguments, out, err, prompter, progress};
        return runTextPrint(context, in);
    }

    GlobalOptions options;
    QString outText;
    QString errText;
    QTextStream out{&outText};
    QTextStream err{&errText};
};

TEST_F(TextPrintCommand, ExportWritesMazoviaBytesWithoutTheHeader)
{
    const QString file = path("x.txt");
    ASSERT_EQ(run({"--wyjscie", "eksport", "--kodowanie", "mazovia", "--plik", file},
                  "&GTEST Zażółć\n"),
              0);
    EXPECT_EQ(fileLines("x.txt"),
              (QList<QByteArray>{"TEST Za\xA7\xA2\x92\x8D", "Velmor - Koniec wydruku: "}));
}

TEST_F(TextPrintCommand, PortGetsTheHeaderWithTheOperator)
{
    ASSERT_EQ(run({"--wyjscie", "port", "--kodowanie", "windows", "--tytul", "Próba"},
                  "Wiersz\n"),
              0);
    const QList<QByteArray> lines = fileLines("LPT1");
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines.at(0).endsWith("Strona : 1 Operator : Jan"));
    EXPECT_EQ(lines.at(1), "\x14\x12\x0FWydruk : Pr\xF3" "ba");
    EXPECT_EQ(lines.at(2), "\x14\x12\x0FWiersz");
    EXPECT_EQ(lines.at(4), "\x0C");
}

TEST_F(TextPrintCommand, WithoutHeaderTheLinesAreAllThereIs)
{
    const QString file = path("bw.txt");
    ASSERT_EQ(run({"--wyjscie", "bw", "--plik", file, "--bez-naglowka"}, "a\n&Wb\n"), 0);
    EXPECT_EQ(fileLines("bw.txt"), (QList<QByteArray>{"a", "\x0C" "b"}));
}

TEST_F(TextPrintCommand, BadOptionsAreUsageErrors)
{
    EXPECT_EQ(run({"--wyjscie", "faks"}, ""), 2);
    EXPECT_TRUE(errText.contains("Nieznane wyjście: „faks”"));
    EXPECT_EQ(run({"--wyjscie", "pdf"}, ""), 2);
    EXPECT_EQ(run({"--kodowanie", "latin"}, ""), 2);
    EXPECT_EQ(run({"--wyjscie", "bw", "--nowa"}, ""), 2);
}

TEST_F(TextPrintCommand, FileThatCannotBeWrittenFails)
{
    EXPECT_EQ(run({"--wyjscie", "eksport", "--plik", path("brak/x.txt")}, "a\n"), 1);
    EXPECT_EQ(prompter.messages().constLast().text, "Błąd otwarcia pliku : " + path("brak/x.txt"));
}

// Qt's own English remark on the PDF it could not begin stays off the error stream; the
// program's message says what failed.
TEST_F(TextPrintCommand, ProgramReportsAPdfItCannotMakeInItsOwnWords)
{
    QProcess process;
    process.start(KSIEGA_CLI_PATH, {"text-print", "--wyjscie", "pdf", "--plik", path("brak/x.pdf")});
    process.write("linia\n");
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 1);
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    EXPECT_TRUE(errors.startsWith("[błąd] Błąd otwarcia drukarki")) << errors.toStdString();
    for (const QString &line : errors.split('\n', Qt::SkipEmptyParts))
        EXPECT_TRUE(line.startsWith('[')) << "not the program's message: " << line.toStdString();
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
}

// The program itself, as a script would run it: a PDF with the header line and the text.
TEST_F(TextPrintCommand, ProgramWritesAReadablePdf)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("KSIEGA_TODAY", "2019.05.10");
    environment.insert("XDG_CONFIG_HOME", path("config"));
    process.setProcessEnvironment(environment);
    const QString file = path("wydruk.pdf");
    process.start(KSIEGA_CLI_PATH, {"--operator", "Jan", "text-print", "--wyjscie", "pdf",
                                    "--plik", file, "--tytul", "Próba"});
    process.write("&GTEST Zażółć\n&NDruga linia\n");
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(process.readAllStandardError().isEmpty());
    const QString text = pdfText(file, true);
    EXPECT_TRUE(text.contains(QRegularExpression(
        "Program : RAZEDO 2019 +Data : 2019\\.05\\.10 Strona : 1 Operator : Jan")))
        << text.toStdString();
    EXPECT_TRUE(text.contains("Wydruk : Próba"));
    EXPECT_TRUE(text.contains("TEST Zażółć"));
    EXPECT_TRUE(text.contains("Druga linia"));
}
