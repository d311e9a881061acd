#include "table_fixture.h"

class CursorHooks : public TableTest {
protected:
    void SetUp() override
    {
        TableTest::SetUp();
        cursor.addCalculatedField({"K9", FieldType::Currency, 0, false});
        cursor.setCalcFields([this](Cursor &c) {
            ++calculations;
            c.field("K9").setCurrency(c.field("K7").asCurrency() + c.field("K8").asCurrency());
        });
    }
    QStringList log;
    int calculations = 0;
};

TEST_F(CursorHooks, RunInTheOrderCallersRelyOn)
{
    cursor.setStateChange([this](Cursor &c, Cursor::State previous) {
        log << QStringLiteral("stan %1→%2").arg(int(previous)).arg(int(c.state()));
    });
    cursor.setBeforePost([this](Cursor &c) {
        log << "przed zapisem";
        c.field("NAZ1").setAsString("stempel");
    });
    cursor.setAfterPost([this](Cursor &c) { log << "po zapisie " + c.field("NAZ1").asString(); });
    cursor.open();
    cursor.setFieldChange("MC", [this](Field f) { log << "zmiana " + f.asString(); });
    log.clear();

    cursor.append();
    cursor.field("MC").setAsString("05");
    cursor.post();
    EXPECT_EQ(log, QStringList({"stan 1→3", "zmiana 05", "przed zapisem", "stan 3→1",
                                "po zapisie stempel"}));
}

TEST_F(CursorHooks, StateHookMayCancelTheEditItWasToldAbout)
{
    cursor.open();
    add("01", 1);
    cursor.setStateChange([](Cursor &c, Cursor::State) {
        if (c.state() == Cursor::State::Edit)
            c.cancel();
    });
    cursor.edit();
    EXPECT_EQ(cursor.state(), Cursor::State::Browse);
    EXPECT_THROW(cursor.field("LP").setInteger(2), DbError);
}

TEST_F(CursorHooks, CalculatedFieldsFollowEveryChange)
{
    cursor.open();
    cursor.append();
    cursor.field("K7").setAsString("100,10");
    EXPECT_EQ(cursor.field("K9").asCurrency(), *Money::parse(u"100,10"));
    cursor.field("K8").setAsString("0,20");
    EXPECT_EQ(cursor.field("K9").asString(), "100,30");
    cursor.post();
    EXPECT_EQ(cursor.field("K9").asString(), "100,30");
    EXPECT_THROW(cursor.field("K9").setCurrency(Money()), DbError)
        << "only the calculation sets a calculated field";

    add("01", 2, QString(), "5");
    const QVariantList values = cursor.valuesAt(0);
    ASSERT_EQ(values.size(), cursor.fieldCount());
    EXPECT_EQ(values.last().toLongLong(), Money::parse(u"100,30")->units());
    EXPECT_EQ(cursor.field("K9").asString(), "5,00") << "painting a row does not move the cursor";
}

TEST_F(CursorHooks, FilterHookReadsTheRecordItJudges)
{
    cursor.open();
    add("01", 1, "Ala", "10");
    add("01", 2, "Ola", "20");
    QStringList seen;
    cursor.setFilterHook([&](Cursor &c) {
        seen << c.field("NAZ1").asString();
        return c.field("K7").asCurrency() > Money::fromZloty(15);
    });
    cursor.setFiltered(true);
    EXPECT_EQ(seen, QStringList({"Ala", "Ola"}));
    EXPECT_EQ(cursor.recordCount(), 1);
    EXPECT_EQ(cursor.field("NAZ1").asString(), "Ola");
    EXPECT_EQ(cursor.field("K9").asString(), "20,00");
}

TEST_F(CursorHooks, AbortingBeforePostKeepsTheRecordBeingEdited)
{
    cursor.setBeforePost([](Cursor &c) {
        if (c.field("LP").asInteger() < 0)
            throw DbError("Numer ujemny.");
    });
    cursor.open();
    cursor.append();
    cursor.field("LP").setInteger(-1);
    EXPECT_THROW(cursor.post(), DbError);
    EXPECT_EQ(cursor.state(), Cursor::State::Insert);
    EXPECT_TRUE(cursor.isEmpty());
}

TEST_F(CursorHooks, AValueAFieldRuleRefusesDoesNotStayInTheRecord)
{
    cursor.setFieldChange("W1", [](Field share) {
        if (share.asFloat() > 100)
            throw DbError("Za dużo.");
    });
    cursor.open();
    cursor.append();
    cursor.field("LP").setInteger(1);
    cursor.field("W1").setAsString("50");
    EXPECT_THROW(cursor.field("W1").setAsString("150"), DbError);
    EXPECT_EQ(cursor.field("W1").asString(), "50");
    cursor.post();
    EXPECT_EQ(cursor.field("W1").asFloat(), 50.0);
}
