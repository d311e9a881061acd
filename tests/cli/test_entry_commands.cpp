#include "cli_program.h"

class EntryCommands : public CliProgramTest {
protected:
    void SetUp() override
    {
        CliProgramTest::SetUp();
        ASSERT_EQ(run({"init", "--rok", "2019", "--operator", "Nowak Anna"}).code, 0);
    }

    // The ledger's rows as field → value maps, in primary order.
    QList<QHash<QString, QString>> ledger()
    {
        const QStringList lines = run({"dump", "KSIEGA/KSIEGA"}).out.split('\n', Qt::SkipEmptyParts);
        const QStringList header = lines.value(0).split('\t');
        QList<QHash<QString, QString>> rows;
        for (const QString &line : lines.mid(1)) {
            QHash<QString, QString> row;
            const QStringList cells = line.split('\t');
            for (int i = 0; i < header.size(); ++i)
                row.insert(header[i], cells.value(i));
            rows << row;
        }
        return rows;
    }
};

TEST_F(EntryCommands, AddMakesAnEntryAsTheEditorDoes)
{
    const CliResult first = run({"entry", "add", "K7=100,10", "K8=0.20", "NAZ1=Kowalski Jan"});
    ASSERT_EQ(first.code, 0) << first.err.toStdString();
    EXPECT_EQ(first.out, "1\n");
    const CliResult second = run({"--miesiac", "3", "entry", "add", "K13=19,99", "DATA=2019.03.02"});
    EXPECT_EQ(second.out, "2\n");
    const auto rows = ledger();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0]["K9"], "100.30");
    EXPECT_EQ(rows[0]["MC"], "05");
    EXPECT_EQ(rows[0]["DATA"], "2019.05.10");
    EXPECT_EQ(rows[0]["NAZWISKO"], "Nowak Anna");
    EXPECT_EQ(rows[1]["MC"], "03");
    EXPECT_EQ(rows[1]["DATA"], "2019.03.02");
    EXPECT_EQ(rows[1]["K14"], "19.99");
}

TEST_F(EntryCommands, RefusalsAreMessagesAndFailures)
{
    const CliResult all = run({"--miesiac", "13", "entry", "add", "K7=1"});
    EXPECT_EQ(all.code, 1);
    EXPECT_TRUE(all.err.contains("\"Wszystkie\"")) << all.err.toStdString();
    EXPECT_EQ(run({"entry", "add", "K7=dużo"}).code, 1);
    EXPECT_EQ(run({"entry", "add", "NIEMA=1"}).code, 2);
    EXPECT_EQ(run({"entry", "add", "K7"}).code, 2);
    EXPECT_EQ(run({"entry", "edit", "5", "K7=1"}).code, 1);
    EXPECT_TRUE(ledger().isEmpty()) << "nothing half-made was left behind";
}

TEST_F(EntryCommands, EditAsksBeforeChangingAnImportedEntry)
{
    ASSERT_EQ(run({"entry", "add", "NRKOMP=SB/1/2019", "K7=10"}).code, 0);
    const CliResult stopped = run({"--answers", "tak", "entry", "edit", "1", "K7=20"});
    EXPECT_EQ(stopped.code, 1);
    EXPECT_TRUE(stopped.err.contains("Czy przerwać edycję ?")) << stopped.err.toStdString();
    EXPECT_EQ(ledger()[0]["K7"], "10.00");
    const CliResult changed = run({"--answers", "nie", "--operator", "Inny", "entry", "edit", "1", "K7=20"});
    EXPECT_EQ(changed.code, 0) << changed.err.toStdString();
    EXPECT_EQ(ledger()[0]["K7"], "20.00");
    EXPECT_EQ(ledger()[0]["NAZWISKO"], "Inny");
}

TEST_F(EntryCommands, KsefNumberIsCheckedAndStoredInItsShortForm)
{
    const CliResult wrong = run({"entry", "add", "K7=1", "KSEF=1234567890-20260301-ABCDEF012345-6"});
    EXPECT_EQ(wrong.code, 1);
    EXPECT_TRUE(wrong.err.contains("Błędny numer KSeF.")) << wrong.err.toStdString();
    EXPECT_TRUE(wrong.out.isEmpty()) << "no entry number is printed";
    EXPECT_TRUE(ledger().isEmpty());

    ASSERT_EQ(run({"entry", "add", "K7=1", "KSEF=1234567890-20260301-ABCDEF-012345-66"}).code, 0);
    ASSERT_EQ(run({"entry", "edit", "1", "KSEF=5265877635-20260230-0100001AF629-33"}).code, 1);
    const auto rows = ledger();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0]["KSEF"], "1234567890-20260301-ABCDEF012345-66");
}

TEST_F(EntryCommands, AnAmountBeyondElevenDigitsOfZlotyIsRefusedNamingTheField)
{
    const CliResult refused = run({"entry", "add", "K7=100000000000"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_TRUE(refused.err.contains("Kwota 100000000000,00 zł w polu K7 jest poza dopuszczalnym zakresem"))
        << refused.err.toStdString();
    EXPECT_TRUE(ledger().isEmpty());

    // The largest amounts, twice in one entry: their total K9 is no negative number.
    const CliResult largest = run({"entry", "add", "K7=99999999999,99", "K8=99999999999,99"});
    ASSERT_EQ(largest.code, 0) << largest.err.toStdString();
    EXPECT_EQ(ledger().value(0)["K9"], "199999999999.98");
}
