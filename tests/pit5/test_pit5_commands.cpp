#include "platform/sqlite_db.h"
#include "tests/cli/cli_program.h"

class Pit5Commands : public CliProgramTest {
protected:
    void SetUp() override
    {
        CliProgramTest::SetUp();
        ASSERT_EQ(run({"init", "--rok", "2019"}).code, 0);
    }

    // The declaration's fields as `pit5 show` prints them.
    QMap<QString, QString> show(const QString &autoNumber)
    {
        const CliResult result = run({"pit5", "show", autoNumber});
        EXPECT_EQ(result.code, 0) << result.err.toStdString();
        QMap<QString, QString> fields;
        for (const QString &line : result.out.split('\n', Qt::SkipEmptyParts))
            fields.insert(line.section('\t', 0, 0), line.section('\t', 1));
        return fields;
    }
};

TEST_F(Pit5Commands, TaxpayersAreAddedEditedAndListed)
{
    CliResult added = run({"taxpayer", "add", "NAZWISKO=Kowalski", "IMIE=Jan", "NIP=123-45-67-890",
                           "ZAPAS4=50"});
    EXPECT_EQ(added.code, 0);
    EXPECT_EQ(added.out, "1\n");
    EXPECT_EQ(added.err, "");
    added = run({"taxpayer", "add", "NAZWISKO=Nowak"});
    EXPECT_EQ(added.out, "2\n");
    EXPECT_TRUE(added.err.contains("Brak uzupełnionych pól :  NIP-u, Procent Udziału"));

    EXPECT_EQ(run({"taxpayer", "edit", "2", "ZL1=tak", "ZAPAS4=25,5"}).code, 0);
    const CliResult list = run({"taxpayer", "list"});
    EXPECT_EQ(list.code, 0);
    EXPECT_EQ(list.out, "NR\tNAZWISKO\tIMIE\tNIP\tZAPAS4\tZL1\tZL2\n"
                        "\t\t\t\t\t\t\n"
                        "1\tKowalski\tJan\t123-45-67-890\t50\t\t\n"
                        "2\tNowak\t\t\t25.5\ttak\t\n");

    EXPECT_EQ(run({"taxpayer", "edit", "9", "IMIE=Ewa"}).code, 1);
    EXPECT_EQ(run({"taxpayer", "add", "BRAK=1"}).code, 2);
    EXPECT_EQ(run({"taxpayer", "remove"}).code, 2);

    EXPECT_EQ(run({"taxpayer", "delete", "2"}).code, 1) << "the question was not answered";
    const CliResult deleted = run({"--answers", "tak", "taxpayer", "delete", "2"});
    EXPECT_EQ(deleted.code, 0);
    EXPECT_TRUE(deleted.err.contains("Czy skasować dane ?"));
    EXPECT_FALSE(run({"taxpayer", "list"}).out.contains("Nowak"));
    EXPECT_EQ(run({"taxpayer", "delete", "2"}).code, 1);
    EXPECT_EQ(run({"taxpayer", "delete"}).code, 2);
    EXPECT_EQ(run({"taxpayer", "delete", "0"}).code, 2) << "the firm's own record is no taxpayer number";
}

TEST_F(Pit5Commands, ADeclarationWhoseTaxpayerIsGoneIsNotComputed)
{
    ASSERT_EQ(run({"taxpayer", "add", "NAZWISKO=Kowalski", "NIP=1234567890", "ZAPAS4=100"}).code, 0);
    ASSERT_EQ(run({"taxpayer", "add", "NAZWISKO=Nowak", "NIP=9876543210", "ZAPAS4=100",
                   "ZL1=tak"}).code, 0);
    const QString number = run({"pit5", "new", "--podatnik", "1", "--okres", "03-2019"}).out.trimmed();
    ASSERT_EQ(number, "1");
    ASSERT_EQ(run({"taxpayer", "edit", "1", "NIP=1111111111"}).code, 0);

    const CliResult set = run({"pit5", "set", number, "K71=50000"});
    EXPECT_EQ(set.code, 1);
    EXPECT_TRUE(set.err.contains("Brak podatnika o NIP 1234567890")) << set.err.toStdString();
    EXPECT_EQ(show(number).value("K71"), "");
    EXPECT_EQ(run({"pit5", "copy", number}).code, 1);
    EXPECT_EQ(run({"pit5", "show", number}).code, 0) << "showing needs no taxpayer";
}

TEST_F(Pit5Commands, ConstantsAreListedAndOnlyValuesChange)
{
    EXPECT_EQ(run({"constants", "set", "15", "WARTOSC=530,08", "KWOTAMIN=1.5"}).code, 0);
    const CliResult list = run({"constants", "list"});
    EXPECT_TRUE(list.out.startsWith("KOD\tNAZWA\tJM\tWARTOSC\tKWOTAMIN\tDATA\n"));
    EXPECT_TRUE(list.out.contains("15\tKwota zmniejszająca\tzł\t530.08\t1.50\t2019.05.10\n"));
    EXPECT_EQ(run({"constants", "set", "15", "NAZWA=Inna"}).code, 2);
    EXPECT_EQ(run({"constants", "set", "14", "WARTOSC=1"}).code, 1);
    EXPECT_EQ(run({"constants", "set", "x", "WARTOSC=1"}).code, 2);
}

TEST_F(Pit5Commands, DeclarationFromNewToDelete)
{
    for (const auto &[code, value] : {std::pair{"8", "19"}, {"9", "30"}, {"10", "40"},
                                      {"11", "37024"}, {"15", "530,08"}})
        ASSERT_EQ(run({"constants", "set", code, QStringLiteral("WARTOSC=") + value}).code, 0);
    ASSERT_EQ(run({"taxpayer", "add", "NAZWISKO=Kowalski", "NIP=1234567890", "ZAPAS4=100"}).code, 0);

    const CliResult created = run({"pit5", "new", "--podatnik", "1", "--okres", "03-2019"});
    ASSERT_EQ(created.code, 0) << created.err.toStdString();
    const QString number = created.out.trimmed();
    EXPECT_EQ(number, "1");

    const CliResult set = run({"pit5", "set", number, "K71=50000", "K72=20000,40"});
    EXPECT_EQ(set.code, 0) << set.err.toStdString();
    QMap<QString, QString> fields = show(number);
    EXPECT_EQ(fields.value("MC"), "03");
    EXPECT_EQ(fields.value("P1"), "123-456-78-90");
    EXPECT_EQ(fields.value("P47"), "5169.92");
    EXPECT_EQ(fields.value("P64"), "5170.00");
    EXPECT_EQ(fields.value("P35"), "");
    EXPECT_TRUE(fields.contains("N133"));

    const CliResult copied = run({"pit5", "copy", number});
    EXPECT_EQ(copied.code, 0);
    EXPECT_EQ(copied.out, "2\n");
    EXPECT_EQ(show("2").value("P47"), "5169.92");

    // The ledger's running row of March, written as posting writes it.
    Connection(at("2019/KSIEGA/SUMA.DB"), Connection::Mode::ReadWrite)
        .exec("UPDATE SUMA SET K9=600000000, K10=100000000 WHERE KOD='N03'");
    EXPECT_EQ(run({"pit5", "import", number}).code, 1); // the question was not answered
    EXPECT_EQ(show(number).value("K71"), "50000.00");
    const CliResult imported = run({"--answers", "ok", "pit5", "import", number});
    EXPECT_EQ(imported.code, 0);
    EXPECT_TRUE(imported.err.contains("Czy chcesz importować dane dla mc: 03"));
    fields = show(number);
    EXPECT_EQ(fields.value("K71"), "60000.00");
    EXPECT_EQ(fields.value("K72"), "10000.00");
    EXPECT_EQ(fields.value("P19"), "60000.00");

    const CliResult list = run({"pit5", "list"});
    EXPECT_EQ(list.out.count('\n'), 3);
    EXPECT_EQ(run({"pit5", "delete", "2"}).code, 1);
    EXPECT_EQ(run({"--answers", "tak", "pit5", "delete", "2"}).code, 0);
    EXPECT_EQ(run({"pit5", "show", "2"}).code, 1);
    EXPECT_EQ(run({"pit5", "set", number, "P99=1"}).code, 2);
    EXPECT_EQ(run({"pit5", "new", "--podatnik", "1", "--okres", "13-2019"}).code, 2);
    EXPECT_EQ(run({"pit5", "new", "--podatnik", "5"}).code, 1);
}

TEST_F(Pit5Commands, AShareBeyondNoughtToAHundredPercentIsRefusedAndNothingSaved)
{
    ASSERT_EQ(run({"taxpayer", "add", "NAZWISKO=Kowalski", "NIP=1234567890", "ZAPAS4=100"}).code, 0);
    const QString before = run({"taxpayer", "list"}).out;
    for (const char *share : {"1e308", "100,01", "-0,5"}) {
        const CliResult refused = run({"taxpayer", "edit", "1", QStringLiteral("ZAPAS4=%1").arg(share)});
        EXPECT_EQ(refused.code, 1) << share;
        EXPECT_EQ(refused.out, "") << share;
        EXPECT_TRUE(refused.err.contains("w polu ZAPAS4 jest poza zakresem od 0 do 100 %"))
            << refused.err.toStdString();
    }
    const CliResult added = run({"taxpayer", "add", "NAZWISKO=Nowak", "ZAPAS4=1e308"});
    EXPECT_EQ(added.code, 1);
    EXPECT_EQ(added.out, "");
    EXPECT_EQ(run({"taxpayer", "list"}).out, before);
}
