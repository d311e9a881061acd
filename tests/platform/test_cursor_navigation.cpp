#include "table_fixture.h"

using CursorNavigation = TableTest;

TEST_F(CursorNavigation, EmptyTableIsBothBofAndEof)
{
    cursor.open();
    EXPECT_EQ(cursor.state(), Cursor::State::Browse);
    EXPECT_TRUE(cursor.isEmpty());
    EXPECT_TRUE(cursor.bof());
    EXPECT_TRUE(cursor.eof());
    EXPECT_EQ(cursor.recNo(), -1);
    cursor.next();
    cursor.last();
    EXPECT_TRUE(cursor.eof());
    EXPECT_TRUE(cursor.field("LP").isNull());
    EXPECT_THROW(cursor.remove(), DbError);
}

TEST_F(CursorNavigation, WalksForwardAndBackWithBofAndEof)
{
    cursor.open();
    add("01", 1);
    add("01", 2);
    add("01", 3);
    EXPECT_EQ(walk(), (std::vector<qint64>{1, 2, 3}));

    cursor.first();
    EXPECT_TRUE(cursor.bof());
    EXPECT_FALSE(cursor.eof());
    cursor.prior();
    EXPECT_TRUE(cursor.bof());
    EXPECT_EQ(cursor.field("LP").asInteger(), 1);
    cursor.next();
    EXPECT_FALSE(cursor.bof());

    cursor.last();
    EXPECT_TRUE(cursor.eof());
    EXPECT_EQ(cursor.field("LP").asInteger(), 3);
    std::vector<qint64> backwards;
    for (; !cursor.bof(); cursor.prior())
        backwards.push_back(cursor.field("LP").asInteger());
    EXPECT_EQ(backwards, (std::vector<qint64>{3, 2, 1}));

    cursor.setRecNo(1);
    EXPECT_EQ(cursor.field("LP").asInteger(), 2);
    cursor.moveBy(5);
    EXPECT_TRUE(cursor.eof());
    EXPECT_EQ(cursor.recNo(), 2);
}

TEST_F(CursorNavigation, CompoundIndexOrdersByMonthThenNumber)
{
    cursor.open();
    add("02", 3);
    add("01", 2);
    add("13", 9);
    add("01", 1);
    add("02", 4);
    cursor.setIndexName("LPinx");
    EXPECT_EQ(walk(), (std::vector<qint64>{1, 2, 3, 4, 9}));
    cursor.setIndexFieldNames("MC;LP");
    EXPECT_EQ(cursor.keyFields(), QStringList({"MC", "LP"}));
    EXPECT_EQ(walk(), (std::vector<qint64>{1, 2, 3, 4, 9}));
    cursor.setIndexName(QString());
    EXPECT_EQ(walk(), (std::vector<qint64>{3, 2, 9, 1, 4})) << "primary order is insertion";
    EXPECT_THROW(cursor.setIndexName("NIEMAinx"), DbError);
    EXPECT_TRUE(cursor.indexName().isEmpty());
}

TEST_F(CursorNavigation, ChangingTheIndexKeepsTheCurrentRecord)
{
    cursor.open();
    add("02", 1, "Zenon");
    add("01", 2, "Adam");
    cursor.setIndexName("LPinx");
    cursor.last();
    ASSERT_EQ(cursor.field("NAZ1").asString(), "Zenon");
    cursor.setIndexName("KONTRinx");
    EXPECT_EQ(cursor.field("NAZ1").asString(), "Zenon");
    EXPECT_EQ(cursor.recNo(), 1);
}

TEST_F(CursorNavigation, ExactSearchNeedsTheWholeGivenKeyNearestTakesTheNextOne)
{
    cursor.open();
    add("01", 1);
    add("01", 2);
    add("03", 7);
    add("03", 8);
    cursor.setIndexName("LPinx");

    EXPECT_TRUE(cursor.findKey({"03"}));
    EXPECT_EQ(cursor.field("LP").asInteger(), 7) << "the first record of the month";
    EXPECT_TRUE(cursor.findKey({"01", 2}));
    EXPECT_EQ(cursor.field("LP").asInteger(), 2);
    EXPECT_FALSE(cursor.findKey({"02"}));
    EXPECT_EQ(cursor.field("LP").asInteger(), 2) << "a failed search stays where it was";
    EXPECT_FALSE(cursor.findKey({"01", 3}));

    cursor.findNearest({"02"});
    EXPECT_EQ(cursor.field("LP").asInteger(), 7);
    cursor.findNearest({"01", 5});
    EXPECT_EQ(cursor.field("LP").asInteger(), 7);
    cursor.findNearest({"03", 8});
    EXPECT_EQ(cursor.field("LP").asInteger(), 8);
    cursor.findNearest({"99"});
    EXPECT_EQ(cursor.field("LP").asInteger(), 8) << "past the end: the last record";
    cursor.findNearest({"0"});
    EXPECT_EQ(cursor.field("LP").asInteger(), 1);
    EXPECT_THROW(cursor.findKey({"01", "pięć"}), DbError);
}

TEST_F(CursorNavigation, TextKeysFollowPolishOrderAndTheIndexCaseRule)
{
    cursor.open();
    add("01", 1, "Żak");
    add("01", 2, "zenon");
    add("01", 3, "Łukasz");
    add("01", 4, "Lech");
    add("01", 5, "ADAM");
    add("01", 6, "Ądek");
    cursor.setIndexName("KONTRinx");
    EXPECT_EQ(walk(), (std::vector<qint64>{5, 6, 4, 3, 2, 1}));
    EXPECT_TRUE(cursor.findKey({"adam"})) << "KONTRinx ignores letter case";
    EXPECT_EQ(cursor.field("LP").asInteger(), 5);
    cursor.findNearest({"ł"});
    EXPECT_EQ(cursor.field("LP").asInteger(), 3);

    cursor.setIndexFieldNames("NAZ1");
    EXPECT_TRUE(cursor.findKey({"adam"})) << "ordering by fields borrows their index's rules";

    cursor.addIndex(IndexDef{"NAZWAinx", {"NAZ1"}, false, false, false, false});
    cursor.setIndexName("NAZWAinx");
    EXPECT_FALSE(cursor.findKey({"adam"})) << "an index that is not case-insensitive keeps case";
    EXPECT_TRUE(cursor.findKey({"ADAM"}));
}

TEST_F(CursorNavigation, RangeAndFilterNarrowTogether)
{
    cursor.open();
    for (int i = 1; i <= 12; ++i)
        add(QStringLiteral("%1").arg(1 + (i - 1) / 4, 2, 10, QLatin1Char('0')), i,
            i % 2 ? "nieparzysty" : "parzysty");
    cursor.setIndexName("LPinx");
    cursor.setRange({"02"}, {"02"});
    EXPECT_EQ(walk(), (std::vector<qint64>{5, 6, 7, 8}));
    EXPECT_EQ(cursor.recordCount(), 4);

    cursor.setFilterHook([](Cursor &c) { return c.field("NAZ1").asString() == "parzysty"; });
    cursor.setFiltered(true);
    EXPECT_EQ(walk(), (std::vector<qint64>{6, 8}));
    EXPECT_FALSE(cursor.findKey({"02", 5})) << "searches see only what the cursor reaches";

    cursor.setRange({"01", 3}, {"03", 10});
    EXPECT_EQ(walk(), (std::vector<qint64>{4, 6, 8, 10}));

    cursor.setFiltered(false);
    EXPECT_EQ(walk(), (std::vector<qint64>{3, 4, 5, 6, 7, 8, 9, 10}));
    cursor.cancelRange();
    EXPECT_EQ(cursor.recordCount(), 12);
}

TEST_F(CursorNavigation, FilterHintOnlyNarrowsWhatTheHookDecides)
{
    cursor.open();
    add("01", 1, "a");
    add("02", 2, "b");
    add("02", 3, "c");
    QString month = "02";
    int examined = 0;
    cursor.setFilterHook(
        [&](Cursor &c) {
            ++examined;
            return c.field("MC").asString() == month && c.field("NAZ1").asString() != "c";
        },
        [&] { return QList<QPair<QString, QVariant>>{{"MC", month}}; });
    cursor.setFiltered(true);
    EXPECT_EQ(walk(), (std::vector<qint64>{2}));
    EXPECT_EQ(examined, 2) << "the hint spares the hook the other months";
    month = "01";
    cursor.refresh();
    EXPECT_EQ(walk(), (std::vector<qint64>{1}));
}

TEST_F(CursorNavigation, BookmarksSurviveDeletesOfOtherRecords)
{
    cursor.open();
    add("01", 1);
    add("01", 2);
    add("01", 3);
    cursor.setRecNo(2);
    const Cursor::Bookmark third = cursor.bookmark();
    cursor.first();
    const Cursor::Bookmark first = cursor.bookmark();
    cursor.remove();
    EXPECT_FALSE(cursor.bookmarkValid(first));
    EXPECT_FALSE(cursor.gotoBookmark(first));
    EXPECT_TRUE(cursor.bookmarkValid(third));
    ASSERT_TRUE(cursor.gotoBookmark(third));
    EXPECT_EQ(cursor.field("LP").asInteger(), 3);
    EXPECT_EQ(cursor.recNo(), 1);
}

TEST_F(CursorNavigation, DetailFollowsItsMaster)
{
    TableDef headers;
    headers.fields = {{"RD", FieldType::Text, 3, false}, {"NAZWA", FieldType::Text, 20, false}};
    headers.indexes = {{QString(), {"RD"}, true, true, false, false}};
    createTable(path("RD"), headers);
    Cursor master(session, "TRD");
    master.setTableName(path("RD"));
    master.open();
    for (const char *code : {"A", "B", "C"}) {
        master.append();
        master.field("RD").setAsString(code);
        master.post();
    }
    cursor.open();
    add("A", 1);
    add("B", 2);
    add("A", 3);
    cursor.setIndexName("LPinx");
    cursor.setMaster(&master, "RD");

    master.first();
    EXPECT_EQ(walk(), (std::vector<qint64>{1, 3}));
    master.next();
    EXPECT_EQ(walk(), (std::vector<qint64>{2}));
    master.next();
    EXPECT_TRUE(cursor.isEmpty());
    master.insert();
    EXPECT_TRUE(cursor.isEmpty()) << "a master record not yet written has no details";
    master.cancel();
    cursor.setMaster(nullptr, QString());
    EXPECT_EQ(cursor.recordCount(), 3);
}

TEST_F(CursorNavigation, LocateFindsTheFirstReachableMatchAndMaximumSeesTheWholeTable)
{
    cursor.open();
    EXPECT_FALSE(cursor.maximum("LP").isValid()) << "an empty table has no maximum";
    add("02", 5, "Ala");
    add("01", 9, "Ola");
    add("03", 5, "Ela");
    cursor.setIndexName("LPinx");
    ASSERT_TRUE(cursor.locate("LP", 5));
    EXPECT_EQ(cursor.field("NAZ1").asString(), "Ala") << "the first in the cursor's order";
    cursor.setFilterHook([](Cursor &c) { return c.field("MC").asString() != "02"; });
    cursor.setFiltered(true);
    ASSERT_TRUE(cursor.locate("LP", "5"));
    EXPECT_EQ(cursor.field("NAZ1").asString(), "Ela");
    EXPECT_FALSE(cursor.locate("NAZ1", "Ala")) << "a record the cursor cannot reach";
    EXPECT_EQ(cursor.field("NAZ1").asString(), "Ela");
    EXPECT_EQ(cursor.maximum("LP").toLongLong(), 9);
    EXPECT_THROW(cursor.locate("NIEMA", 1), DbError);
}

TEST_F(CursorNavigation, ScanVisitsWhatAWalkReachesInOrderWithoutMoving)
{
    cursor.open();
    for (int i = 1; i <= 9; ++i)
        add(QStringLiteral("0%1").arg(1 + (9 - i) / 3), i, i % 2 ? "nieparzyst" : "parzysty",
            QStringLiteral("%1,25").arg(i));
    cursor.setIndexName("LPinx");
    cursor.setRange({"01"}, {"02"});
    cursor.setFilterHook([](Cursor &c) { return c.field("NAZ1").asString() == "nieparzyst"; });
    cursor.setFiltered(true);
    cursor.first();
    cursor.next();
    const qint64 current = cursor.field("LP").asInteger();

    std::vector<qint64> scanned;
    QStringList amounts;
    cursor.scan([&](Cursor &c) {
        scanned.push_back(c.field("LP").asInteger());
        amounts << c.field("K7").asString();
    });
    EXPECT_EQ(cursor.recNo(), 1) << "the cursor has not moved";
    EXPECT_EQ(cursor.field("LP").asInteger(), current) << "its record reads as before";
    EXPECT_EQ(scanned, walk()) << "by month, then number, within the range and the filter";
    EXPECT_EQ(amounts, QStringList({"7,25", "9,25", "5,25"}));
}
