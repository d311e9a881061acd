#include "cli_program.h"

class ContractorCommands : public CliProgramTest {
protected:
    void SetUp() override
    {
        CliProgramTest::SetUp();
        ASSERT_EQ(run({"init", "--rok", "2019"}).code, 0);
    }
    QString add(const QStringList &fields)
    {
        const CliResult added = run(QStringList{"contractor", "add"} + fields);
        EXPECT_EQ(added.code, 0) << added.err.toStdString();
        return added.out.trimmed();
    }
    QString listed(const QStringList &options = {})
    {
        return run(QStringList{"contractor", "list"} + options).out;
    }
};

TEST_F(ContractorCommands, AddPrintsTheNumberAndSetsFieldsAsLeavingTheBoxes)
{
    EXPECT_EQ(add({"NAZWA1=Hurtownia Spożywcza „Pod Lipą” s.c.", "MIEJSC=Łódź", "nip=725-000-11-22"}),
              "00001");
    EXPECT_EQ(add({"SKROT=Własny", "NAZWA1=Piekarnia", "MIEJSC=Opole"}), "00002");
    EXPECT_EQ(add({"NAZWA1=Bar", "SKROT=Zmieniony"}), "00003") << "fields in the order given";
    EXPECT_EQ(listed(), "NR\tNIP\tSKROT\tMIEJSC\n"
                        "00001\t725-000-11-22\tHurtownia Spożywcza \tŁódź\n"
                        "00002\t\tWłasny\tOpole\n"
                        "00003\t\tZmieniony\t\n");
    EXPECT_EQ(listed({"--po", "MIEJSC"}).split('\n').mid(1, 3).join('|'),
              "00003\t\tZmieniony\t|00001\t725-000-11-22\tHurtownia Spożywcza \tŁódź|"
              "00002\t\tWłasny\tOpole");
    EXPECT_EQ(listed({"--po=skrot"}).split('\n').value(1).left(5), "00001");
}

TEST_F(ContractorCommands, WrongWordsAreUsageErrorsAndChangeNothing)
{
    add({"NAZWA1=A"});
    for (const QStringList &words :
         {QStringList{"contractor"}, QStringList{"contractor", "add", "NR=5"},
          QStringList{"contractor", "add", "KOLOR=zielony"}, QStringList{"contractor", "add", "NAZWA1"},
          QStringList{"contractor", "edit", "1"}, QStringList{"contractor", "edit", "abc", "UL=x"},
          QStringList{"contractor", "list", "--po", "NAZWA1"},
          QStringList{"contractor", "renumber", "1"}}) {
        const CliResult result = run(words);
        EXPECT_EQ(result.code, 2) << words.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains("Użycie: ksiega-cli contractor")) << result.err.toStdString();
    }
    EXPECT_EQ(listed().count('\n'), 2);
}

TEST_F(ContractorCommands, EditShowAndNote)
{
    add({"NAZWA1=Kowalski"});
    const CliResult edited = run({"contractor", "edit", "1", "UL=Polna 3", "KOD=00-950", "BANK=PKO"});
    ASSERT_EQ(edited.code, 0) << edited.err.toStdString();
    ASSERT_EQ(run({"contractor", "note", "00001", "Tel1=22 123 45 67", "wojew=MAZOWIECKIE"}).code, 0);
    const CliResult shown = run({"contractor", "show", "1"});
    ASSERT_EQ(shown.code, 0);
    EXPECT_TRUE(shown.out.startsWith("NR=00001\nNIP=\nSKROT=Kowalski\nNAZWA1=Kowalski\nNAZWA2=\n"
                                     "KOD=00-950\nMIEJSC=\nUL=Polna 3\nBANK=PKO\n"))
        << shown.out.toStdString();
    EXPECT_TRUE(shown.out.contains("\nTel1=22 123 45 67\n"));
    EXPECT_TRUE(shown.out.contains("\nWojew=MAZOWIECKIE\n"));

    const CliResult missing = run({"contractor", "edit", "7", "UL=x"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains("Brak kontrahenta o numerze 00007.")) << missing.err.toStdString();
}

TEST_F(ContractorCommands, RenumberAndDeleteAskAndReport)
{
    add({"NAZWA1=A"});
    add({"NAZWA1=B"});
    const CliResult refused = run({"contractor", "renumber", "1", "2"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.contains(
        "[informacja] W katalogu kontrahentów istnieje kontrahent o tym numerze\nBrak możliwości zmiany."))
        << refused.err.toStdString();
    ASSERT_EQ(run({"contractor", "renumber", "1", "40"}).code, 0);
    EXPECT_EQ(add({"NAZWA1=C"}), "00041");

    const CliResult kept = run({"contractor", "delete", "40"});
    EXPECT_EQ(kept.code, 1) << "no answer is Cancel";
    EXPECT_TRUE(kept.err.contains("Usuń rekord"));
    EXPECT_EQ(run({"--answers", "ok", "contractor", "delete", "40"}).code, 0);
    EXPECT_EQ(listed(), "NR\tNIP\tSKROT\tMIEJSC\n00002\t\tB\t\n00041\t\tC\t\n");
}

TEST_F(ContractorCommands, MarginsAndEnvelopeIntoAPdfFile)
{
    const CliResult none = run({"contractor", "margins"});
    EXPECT_EQ(none.code, 1);
    ASSERT_EQ(run({"contractor", "margins", "15,5", "8"}).code, 0);
    const CliResult shown = run({"contractor", "margins"});
    EXPECT_EQ(shown.out, "Margines górny: 15,5 mm\nMargines lewy: 8 mm\n");
    EXPECT_EQ(run({"contractor", "margins", "abc", "8"}).code, 1);

    add({"NAZWA1=Zakład Ślusarski", "MIEJSC=Kraków"});
    const CliResult printed = run({"contractor", "envelope", "1", "--pdf", at("koperta.pdf")});
    ASSERT_EQ(printed.code, 0) << printed.err.toStdString();
    QFile pdf(at("koperta.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}
