#include "contractor_fixture.h"

#include "contractors/contractor_catalogue.h"
#include "contractors/contractor_notes.h"
#include "core/table_access.h"

using ContractorNotes = ContractorTest;

TEST_F(ContractorNotes, TheLinkedDescriptionFollowsTheCatalogue)
{
    addDescription(2, "222");
    TDANE &d = startWith({{1, "", "A", ""}, {2, "", "B", ""}});
    ASSERT_TRUE(ReopenContractorNotes(d, prompter));
    LinkContractorNotes(d);
    ASSERT_TRUE(FindContractor(d.TKontrah, 2));
    EXPECT_EQ(d.TKONTRAHo.field("Tel1").asString(), "222");
    d.TKontrah.prior();
    EXPECT_TRUE(d.TKONTRAHo.isEmpty());

    EnsureEditing(d.TKONTRAHo);
    d.TKONTRAHo.field("OPIS").setAsString("Płaci w terminie.\r\nStały klient.");
    d.TKONTRAHo.field("Wojew").setAsString("ŁÓDZKIE");
    EXPECT_TRUE(UnlinkContractorNotes(d, prompter));
    EXPECT_FALSE(d.TKONTRAHo.isEditing()) << "ending the link saves";
    EXPECT_EQ(d.TKONTRAHo.master(), nullptr);

    Cursor &notes = start().TKONTRAHo;
    ASSERT_TRUE(notes.findKey({1}));
    EXPECT_EQ(notes.field("OPIS").asString(), "Płaci w terminie.\r\nStały klient.");
    EXPECT_EQ(notes.field("Wojew").asString(), "ŁÓDZKIE");
    EXPECT_EQ(notes.recordCount(), 2);
}

TEST_F(ContractorNotes, AMissingDescriptionTableCannotBeReopened)
{
    TDANE &d = startWith({});
    ASSERT_TRUE(ReopenContractorNotes(d, prompter));
    QFile::remove(at("2019/FIN/KONTRAHO.DB"));
    EXPECT_FALSE(ReopenContractorNotes(d, prompter));
    EXPECT_FALSE(d.TKONTRAHo.isOpen());
    EXPECT_TRUE(prompter.messages().isEmpty()) << "the catalogue just works without it";
}

TEST_F(ContractorNotes, ProvincesInTheirOrder)
{
    const QStringList &provinces = ContractorProvinces();
    ASSERT_EQ(provinces.size(), 16);
    EXPECT_EQ(provinces.first(), "DOLNOŚLĄSKIE");
    EXPECT_EQ(provinces[1], "KUJAWSKO-POMORSKIE");
    EXPECT_EQ(provinces[4], "ŁÓDZKIE");
    EXPECT_EQ(provinces.last(), "ZACHODNIO-POMORSKIE");
}
