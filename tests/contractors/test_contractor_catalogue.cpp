#include "contractor_fixture.h"

#include "contractors/contractor_catalogue.h"
#include "contractors/contractor_help.h"
#include "contractors/contractor_numbers.h"
#include "core/table_access.h"
#include "platform/shell.h"

using ContractorCatalogue = ContractorTest;

TEST_F(ContractorCatalogue, NumbersAreFiveDigitsAndTypedNumbersOneToFive)
{
    EXPECT_EQ(ContractorNumberText(1), "00001");
    EXPECT_EQ(ContractorNumberText(99999), "99999");
    EXPECT_EQ(ParseContractorNumber(" 0042 "), 42);
    EXPECT_EQ(ParseContractorNumber("00000"), 0);
    EXPECT_FALSE(ParseContractorNumber(""));
    EXPECT_FALSE(ParseContractorNumber("   "));
    EXPECT_FALSE(ParseContractorNumber("123456"));
    EXPECT_FALSE(ParseContractorNumber("12a"));
    EXPECT_FALSE(ParseContractorNumber("-5"));
}

TEST_F(ContractorCatalogue, AddingNumbersAfterTheHighestAndSavesAtOnce)
{
    TDANE &d = startWith({});
    EXPECT_EQ(AddContractor(d, prompter), 1);
    EXPECT_EQ(current(), 1);
    EXPECT_FALSE(d.TKontrah.isEditing());
    EXPECT_EQ(ContractorCountText(d.TKontrah), "Ilość pozycji  1");

    start();
    EXPECT_EQ(numbers(), QList<qint64>{1}) << "the new contractor is on disk";
}

TEST_F(ContractorCatalogue, AddingAfterFortyOneGivesFortyTwoEvenWithGaps)
{
    TDANE &d = startWith({{3, "", "C", ""}, {41, "", "A", ""}, {7, "", "B", ""}});
    d.TKontrah.setIndexName(QStringLiteral("Sinx"));
    EXPECT_EQ(AddContractor(d, prompter), 42);
    EXPECT_EQ(d.TKontrah.indexName(), "") << "adding leaves the catalogue in number order";
    EXPECT_EQ(numbers(), (QList<qint64>{3, 7, 41, 42}));
    EXPECT_EQ(current(), 42);
}

TEST_F(ContractorCatalogue, AddingSavesThePendingRecordFirst)
{
    TDANE &d = startWith({{5, "", "Stary", ""}});
    SetContractorField(d.TKontrah, QStringLiteral("UL"), QStringLiteral("Polna 1"));
    ASSERT_TRUE(d.TKontrah.isEditing());
    EXPECT_EQ(AddContractor(d, prompter), 6);
    ASSERT_TRUE(FindContractor(d.TKontrah, 5));
    EXPECT_EQ(currentText("UL"), "Polna 1");
}

TEST_F(ContractorCatalogue, AddingAfterTheHighestFiveDigitNumberIsRefused)
{
    TDANE &d = startWith({{99999, "", "Ostatni", ""}});
    EXPECT_FALSE(AddContractor(d, prompter));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(prompter.messages()[0].text,
              "Nie można dodać kontrahenta.\rNajwyższy numer kontrahenta 99999 jest już zajęty.");
    EXPECT_EQ(numbers(), QList<qint64>{99999});
    EXPECT_FALSE(d.TKontrah.isEditing());
}

TEST_F(ContractorCatalogue, ANumberTakenByAnotherProgramMeanwhileIsNotGivenAgain)
{
    TDANE &d = startWith({{1, "", "A", ""}});
    plainSql("2019/FIN/KONTRAHI.DB", "INSERT INTO KONTRAHI (NR, SKROT) VALUES (2, 'Z faktur')");
    EXPECT_EQ(AddContractor(d, prompter), 3);
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(ContractorCatalogue, LeavingTheFullNameFillsAnEmptyShortNameOnly)
{
    TDANE &d = startWith({});
    EXPECT_TRUE(AddContractor(d, prompter));
    const QString longName = QStringLiteral("Zakład Usług Różnych „Żuraw” Spółka Cywilna");
    SetContractorField(d.TKontrah, QStringLiteral("NAZWA1"), longName);
    EXPECT_EQ(currentText("SKROT"), longName.left(20));
    EXPECT_EQ(currentText("SKROT").size(), 20);

    SetContractorField(d.TKontrah, QStringLiteral("SKROT"), QStringLiteral("Żuraw"));
    SetContractorField(d.TKontrah, QStringLiteral("NAZWA1"), QStringLiteral("Inna nazwa"));
    EXPECT_EQ(currentText("SKROT"), "Żuraw") << "a short name already typed is kept";
    EXPECT_TRUE(SaveContractor(d, prompter));

    EXPECT_TRUE(AddContractor(d, prompter));
    SetContractorField(d.TKontrah, QStringLiteral("NAZWA1"), QString());
    EXPECT_EQ(currentText("SKROT"), "");
    EXPECT_THROW(SetContractorField(d.TKontrah, QStringLiteral("NIEMA"), "x"), DbError);
}

TEST_F(ContractorCatalogue, DeletingAsksAndTakesTheDescriptionAlong)
{
    TDANE &d = startWith({{1, "", "A", ""}, {2, "", "B", ""}, {3, "", "C", ""}});
    addDescription(1, "111");
    addDescription(2, "222");

    prompter.enqueue(Answer::Ok);
    ASSERT_TRUE(FindContractor(d.TKontrah, 2));
    EXPECT_TRUE(DeleteContractor(d, prompter));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Usuń rekord");
    EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(prompter.messages()[0].buttons, MessageButtons::OkCancel);

    prompter.enqueue(Answer::Ok);
    ASSERT_TRUE(FindContractor(d.TKontrah, 3));
    EXPECT_TRUE(DeleteContractor(d, prompter)) << "a contractor without a description";

    prompter.enqueue(Answer::Cancel);
    ASSERT_TRUE(FindContractor(d.TKontrah, 1));
    EXPECT_FALSE(DeleteContractor(d, prompter));
    EXPECT_EQ(ContractorCountText(d.TKontrah), "Ilość pozycji  1");

    Cursor &notes = start().TKONTRAHo;
    EXPECT_EQ(numbers(), QList<qint64>{1});
    QStringList left;
    for (notes.first(); !notes.eof(); notes.next())
        left << notes.field("NR").asString() + ":" + notes.field("Tel1").asString();
    EXPECT_EQ(left, QStringList{"1:111"});
    EXPECT_EQ(notes.master(), nullptr) << "the description table is left as it was found";
}

TEST_F(ContractorCatalogue, DeletingWithoutTheDescriptionTableDeletesTheContractor)
{
    QFile::remove(at("2019/FIN/KONTRAHO.DB"));
    TDANE &d = startWith({{1, "", "A", ""}});
    ASSERT_FALSE(d.TKONTRAHo.isOpen());
    prompter.enqueue(Answer::Ok);
    EXPECT_TRUE(DeleteContractor(d, prompter));
    EXPECT_TRUE(d.TKontrah.isEmpty());
    EXPECT_FALSE(DeleteContractor(d, prompter)) << "nothing left to delete, nothing asked";
    EXPECT_EQ(prompter.messages().size(), 1);
}

namespace {

class RecordingShell final : public Shell {
public:
    Outcome startProgram(const QString &) override { return Outcome::Failed; }
    Outcome openDocument(const QString &path) override
    {
        opened << path;
        return outcome;
    }
    Outcome outcome = Outcome::Started;
    QStringList opened;
};

} // namespace

TEST_F(ContractorCatalogue, HelpPageBesideTheProgramOrAWarning)
{
    RecordingShell shell;
    EXPECT_TRUE(OpenDocument("/opt/ksiega", ContractorHelpDocument, shell, prompter));
    EXPECT_EQ(shell.opened, QStringList{"/opt/ksiega/pomoc/kontrah/index.htm"});
    shell.outcome = Shell::Outcome::Missing;
    EXPECT_FALSE(OpenDocument("/opt/ksiega", ContractorHelpDocument, shell, prompter));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Nie można otworzyć dokumentu : /opt/ksiega/pomoc/kontrah/index.htm");
}
