#include "imports/number_template.h"

#include "core/open_error.h"
#include "platform/cursor.h"
#include "platform/scripted_prompter.h"
#include "platform/session.h"
#include "platform/table_files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class NumberTemplate : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        TableDef definition;
        definition.fields = {
            {"NRD", FieldType::Integer, 0, false},
            {"DATA", FieldType::Text, 10, false},
            {"ROK", FieldType::Text, 4, false},
            {"SYMBOL", FieldType::Text, 6, false},
        };
        const QString path = dir_.path() + QStringLiteral("/FAKTURY");
        createTable(path, definition);
        record_.setTableName(path);
        record_.open();
        record_.append();
        record_.field("NRD").setInteger(15);
        record_.field("DATA").setAsString("2019.04.30");
        record_.field("ROK").setAsString("2019");
        record_.field("SYMBOL").setAsString("A7");
        record_.post();
    }

    QString expand(const QString &numberTemplate)
    {
        return ExpandNumberTemplate(record_, numberTemplate);
    }

    QTemporaryDir dir_;
    Session session_;
    Cursor record_{session_, QStringLiteral("TFAKTURY")};
};

} // namespace

TEST_F(NumberTemplate, FieldsMonthsAndOffsets)
{
    EXPECT_EQ(expand("FV/[NRD]/[mc]/[ROK]"), "FV/15/IV/2019");
    EXPECT_EQ(expand("[NRD{100}]"), "115");
    EXPECT_EQ(expand("[NRD{-5}]/[ROK]"), "10/2019");
    EXPECT_EQ(expand("[MC]"), "04");
    EXPECT_EQ(expand("R/[SYMBOL]/[MC]"), "R/A7/04");
    EXPECT_EQ(expand("bez pól"), "bez pól");
    EXPECT_EQ(expand(""), "");
}

TEST_F(NumberTemplate, NamesThatAreNoFieldsAddNothing)
{
    EXPECT_EQ(expand("FV/[NRX]/[ROK]"), "FV//2019");
    EXPECT_EQ(expand("[Mc]"), "");
    EXPECT_EQ(expand("[BRAK{3}]x"), "x");
    EXPECT_EQ(expand("[NRD{x}]"), "");
    EXPECT_EQ(expand("[SYMBOL{1}]"), "") << "a text that is no number cannot be counted on";
}

TEST_F(NumberTemplate, AZeroOffsetStillCounts)
{
    EXPECT_EQ(expand("[NRD{0}]"), "15");
}

TEST_F(NumberTemplate, BracesAndClosingBracketsOutsideBracketsAreText)
{
    EXPECT_EQ(expand("{1}[NRD]"), "{1}15");
    EXPECT_EQ(expand("A]B[ROK]"), "A]B2019");
    EXPECT_EQ(expand("FV/[NRD"), "FV/");
}

TEST_F(NumberTemplate, AMonthNeedsADateField)
{
    TableDef definition;
    definition.fields = {{"NRD", FieldType::Integer, 0, false}};
    const QString path = dir_.path() + QStringLiteral("/BEZDATY");
    createTable(path, definition);
    Cursor other(session_, QStringLiteral("TBEZDATY"));
    other.setTableName(path);
    other.open();
    other.append();
    other.field("NRD").setInteger(3);
    other.post();
    EXPECT_EQ(ExpandNumberTemplate(other, "[NRD]/[MC]/[mc]"), "3//");
}

TEST(ShowOpenError, PlainMessageWithOk)
{
    ScriptedPrompter prompter;
    ShowOpenError(prompter, "Baza Deklaracji /dane/2019/DRUKI/DPIT5.DB");
    ASSERT_EQ(prompter.messages().size(), 1);
    const RecordedMessage &message = prompter.messages().front();
    EXPECT_EQ(message.text, "Błąd otwarcia bazy : Baza Deklaracji /dane/2019/DRUKI/DPIT5.DB");
    EXPECT_EQ(message.icon, MessageIcon::None);
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
}
