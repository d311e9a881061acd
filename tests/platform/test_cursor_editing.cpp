#include "table_fixture.h"

#include <QSignalSpy>

using CursorEditing = TableTest;

TEST_F(CursorEditing, InsertPostCancelAndDelete)
{
    cursor.open();
    cursor.append();
    EXPECT_EQ(cursor.state(), Cursor::State::Insert);
    cursor.field("LP").setInteger(1);
    cursor.post();
    EXPECT_EQ(cursor.state(), Cursor::State::Browse);
    EXPECT_GT(cursor.field("AUTO").asInteger(), 0) << "the record number is assigned on post";

    cursor.insert();
    cursor.field("LP").setInteger(2);
    cursor.cancel();
    EXPECT_EQ(cursor.recordCount(), 1);
    EXPECT_EQ(cursor.field("LP").asInteger(), 1);

    cursor.edit();
    cursor.field("LP").setInteger(10);
    cursor.cancel();
    EXPECT_EQ(cursor.field("LP").asInteger(), 1);
    cursor.refresh();
    EXPECT_EQ(cursor.field("LP").asInteger(), 1);

    cursor.remove();
    EXPECT_TRUE(cursor.isEmpty());
}

TEST_F(CursorEditing, MovingAwayPostsWhatWasTyped)
{
    cursor.open();
    add("01", 1);
    add("01", 2);
    cursor.first();
    cursor.edit();
    cursor.field("NAZ1").setAsString("Kowalski");
    cursor.next();
    EXPECT_EQ(cursor.state(), Cursor::State::Browse);
    cursor.first();
    EXPECT_EQ(cursor.field("NAZ1").asString(), "Kowalski");

    cursor.append();
    cursor.field("LP").setInteger(3);
    cursor.close();
    cursor.open();
    EXPECT_EQ(cursor.recordCount(), 3) << "closing posts a pending insert";
}

TEST_F(CursorEditing, WritingOutsideEditStateOrIntoTheRecordNumberIsRefused)
{
    cursor.open();
    add("01", 1);
    EXPECT_THROW(cursor.field("LP").setInteger(5), DbError);
    cursor.edit();
    EXPECT_THROW(cursor.field("AUTO").setInteger(5), DbError);
    EXPECT_THROW(cursor.field("NIEMA"), DbError);
}

TEST_F(CursorEditing, EditOnAnEmptyTableInserts)
{
    cursor.open();
    cursor.edit();
    EXPECT_EQ(cursor.state(), Cursor::State::Insert);
}

TEST_F(CursorEditing, BlankIsNotZero)
{
    cursor.open();
    cursor.append();
    cursor.field("K7").setAsString("0");
    cursor.post();
    EXPECT_FALSE(cursor.field("K7").isNull());
    EXPECT_TRUE(cursor.field("K8").isNull());
    EXPECT_EQ(cursor.field("K8").asCurrency(), Money());
    EXPECT_EQ(cursor.field("K8").asString(), "");
    EXPECT_EQ(cursor.field("K7").asString(), "0,00");
    cursor.edit();
    cursor.field("K7").clear();
    cursor.field("NAZ1").setAsString("");
    cursor.post();
    EXPECT_TRUE(cursor.field("K7").isNull());
    EXPECT_TRUE(cursor.field("NAZ1").isNull());
}

TEST_F(CursorEditing, ValuesConvertBetweenTheirForms)
{
    cursor.open();
    cursor.append();
    cursor.field("NAZ1").setAsString("Przedsiębiorstwo Handlowe");
    cursor.field("MC").setInteger(3);
    cursor.field("K7").setAsString("1 234,5678");
    cursor.field("K8").setCurrency(*Money::parse(u"-0,01"));
    cursor.field("B1").setAsString("tak");
    cursor.field("W1").setAsString("12,5");
    cursor.field("LP").setAsString(" 42 ");
    cursor.post();
    EXPECT_EQ(cursor.field("NAZ1").asString(), "Przedsiębi") << "text is cut to the field size";
    EXPECT_EQ(cursor.field("MC").asString(), "3");
    EXPECT_EQ(cursor.field("K7").asString(), "1234,5678");
    EXPECT_EQ(cursor.field("K7").asCurrency().units(), 12345678);
    EXPECT_EQ(cursor.field("K8").asString(), "-0,01");
    EXPECT_TRUE(cursor.field("B1").asBoolean());
    EXPECT_EQ(cursor.field("B1").asString(), "Prawda");
    EXPECT_DOUBLE_EQ(cursor.field("W1").asFloat(), 12.5);
    EXPECT_EQ(cursor.field("W1").asString(), "12,5");
    EXPECT_EQ(cursor.field("LP").asInteger(), 42);
    EXPECT_EQ(cursor.field("MC").asInteger(), 3);

    cursor.edit();
    EXPECT_THROW(cursor.field("LP").setAsString("12a"), DbError);
    EXPECT_THROW(cursor.field("K7").setAsString("dużo"), DbError);
    EXPECT_THROW(cursor.field("B1").setAsString("może"), DbError);
    EXPECT_THROW(cursor.field("LP").setAsString("99999999999"), DbError);
    cursor.cancel();
    EXPECT_EQ(cursor.field("LP").asInteger(), 42);
}

TEST_F(CursorEditing, TypedValuesTheFileWouldLoseAreRefusedOrCutWhole)
{
    cursor.open();
    cursor.append();
    cursor.field("LP").setInteger(1);
    cursor.field("W1").setAsString("2,5");
    cursor.field("K7").setAsString("10");
    for (const char *notANumber : {"nan", "NaN", "inf", "-inf"})
        EXPECT_THROW(cursor.field("W1").setAsString(notANumber), DbError) << notANumber;
    EXPECT_THROW(cursor.field("K7").setAsString("922337203685479"), DbError);
    cursor.field("NAZ1").setAsString(QStringLiteral("Firma ABC\U0001F600"));
    cursor.post();

    EXPECT_EQ(cursor.field("W1").asString(), "2,5") << "a refused value leaves the field as it was";
    EXPECT_EQ(cursor.field("K7").asString(), "10,00");
    EXPECT_EQ(cursor.field("NAZ1").asString(), "Firma ABC")
        << "a character is not cut in half at the field's size";
}

TEST_F(CursorEditing, AmountsBeyondElevenDigitsOfZlotyAreRefusedNamingTheField)
{
    cursor.open();
    cursor.append();
    cursor.field("LP").setInteger(1);
    cursor.field("K7").setAsString("99 999 999 999,99");
    cursor.field("K8").setCurrency(-*Money::parse(u"99999999999,99"));
    try {
        cursor.field("K7").setAsString("100000000000");
        ADD_FAILURE() << "an amount of twelve digits was taken";
    } catch (const DbError &refusal) {
        EXPECT_EQ(refusal.message(), "Kwota 100000000000,00 zł w polu K7 jest poza dopuszczalnym "
                                     "zakresem od -99 999 999 999,99 do 99 999 999 999,99 zł.");
    }
    EXPECT_THROW(cursor.field("K8").setCurrency(Money::fromZloty(-100000000000)), DbError);
    EXPECT_THROW(cursor.field("K8").setValue(1e12), DbError);
    EXPECT_THROW(cursor.field("K8").setValue(1e308), DbError);
    // Whole złoty past what the units of an amount count: refused naming the field, not wrapped.
    try {
        cursor.field("K8").setInteger(1000000000000000);
        ADD_FAILURE() << "the złoty were taken";
    } catch (const DbError &refusal) {
        EXPECT_EQ(refusal.message(), "Wartość 1000000000000000 nie jest kwotą, jaką może mieć pole K8.");
    }
    cursor.post();
    EXPECT_EQ(cursor.field("K7").asString(), "99999999999,99") << "a refused amount leaves the field";
    EXPECT_EQ(cursor.field("K8").asString(), "-99999999999,99");
}

TEST_F(CursorEditing, CurrencyStaysExactThroughTheFile)
{
    cursor.open();
    Money expected;
    for (int i = 0; i < 1000; ++i) {
        cursor.append();
        cursor.field("LP").setInteger(i);
        cursor.field("K7").setAsString("0,10");
        cursor.post();
        expected += *Money::parse(u"0,10");
    }
    Money sum;
    for (cursor.first(); !cursor.eof(); cursor.next())
        sum += cursor.field("K7").asCurrency();
    EXPECT_EQ(sum, expected);
    EXPECT_EQ(sum, Money::fromZloty(100));
}

TEST_F(CursorEditing, PostedRecordTakesItsPlaceInTheOrder)
{
    cursor.open();
    cursor.setIndexName("LPinx");
    add("01", 1);
    add("03", 3);
    add("02", 2);
    EXPECT_EQ(cursor.recNo(), 1);
    EXPECT_EQ(walk(), (std::vector<qint64>{1, 2, 3}));
    cursor.first();
    cursor.edit();
    cursor.field("MC").setAsString("04");
    cursor.post();
    EXPECT_EQ(cursor.recNo(), 2);
    EXPECT_EQ(walk(), (std::vector<qint64>{2, 3, 1}));
}

TEST_F(CursorEditing, RecordPostedOutsideTheFilterStaysUntilRefresh)
{
    cursor.open();
    add("01", 1);
    cursor.setFilterHook([](Cursor &c) { return c.field("MC").asString() == "01"; });
    cursor.setFiltered(true);
    add("02", 2);
    EXPECT_EQ(cursor.field("LP").asInteger(), 2) << "the caller reads back what it wrote";
    EXPECT_EQ(cursor.recordCount(), 2);
    cursor.refresh();
    EXPECT_EQ(cursor.recordCount(), 1);
    EXPECT_EQ(cursor.field("LP").asInteger(), 1);
}

TEST_F(CursorEditing, UniqueIndexRefusesADuplicateAndKeepsTheEdit)
{
    addIndex(path("KSIEGA"), IndexDef{"NRinx", {"LP"}, false, true, false, false});
    cursor.open();
    add("01", 1);
    cursor.append();
    cursor.field("LP").setInteger(1);
    try {
        cursor.post();
        FAIL() << "a duplicate key was written";
    } catch (const DbError &error) {
        EXPECT_TRUE(error.isKeyViolation());
    }
    EXPECT_EQ(cursor.state(), Cursor::State::Insert);
    cursor.field("LP").setInteger(2);
    cursor.post();
    EXPECT_EQ(cursor.recordCount(), 2);
}

TEST_F(CursorEditing, RequiredFieldsMustBeFilled)
{
    TableDef definition;
    definition.fields = {{"KOD", FieldType::Text, 3, true}, {"NAZWA", FieldType::Text, 25, false}};
    createTable(path("SUMA"), definition);
    Cursor sums(session, "TSUMA");
    sums.setTableName(path("SUMA"));
    sums.open();
    sums.append();
    sums.field("NAZWA").setAsString("Styczeń");
    EXPECT_THROW(sums.post(), DbError);
    sums.field("KOD").setAsString("01");
    sums.post();
    EXPECT_EQ(sums.recordCount(), 1);
}

TEST_F(CursorEditing, EmptyTableRemovesEveryRecord)
{
    cursor.open();
    add("01", 1);
    add("01", 2);
    cursor.emptyTable();
    EXPECT_TRUE(cursor.isEmpty());
    cursor.refresh();
    EXPECT_TRUE(cursor.isEmpty());
}

TEST_F(CursorEditing, TransactionIsAllOrNothing)
{
    cursor.open();
    add("01", 1);
    cursor.beginTransaction();
    add("01", 2);
    add("01", 3);
    EXPECT_TRUE(cursor.inTransaction());
    cursor.rollback();
    EXPECT_FALSE(cursor.inTransaction());
    EXPECT_EQ(walk(), (std::vector<qint64>{1}));

    cursor.beginTransaction();
    cursor.beginTransaction();
    add("01", 2);
    cursor.commit();
    add("01", 3);
    cursor.commit();
    Cursor reader(session, "TCZYTELNIK");
    reader.setTableName(path("KSIEGA"));
    reader.open();
    EXPECT_EQ(reader.recordCount(), 3);
}

// A walk inside a larger one gives up: nothing of the larger one may commit, neither what came
// before the inner walk nor the writes the outer walk still makes after it.
TEST_F(CursorEditing, AnInnerRollbackFailsTheWholeWalk)
{
    cursor.open();
    add("01", 1);
    cursor.beginTransaction();
    add("01", 2);
    cursor.beginTransaction();
    add("01", 3);
    cursor.rollback();
    EXPECT_TRUE(cursor.inTransaction()) << "the outer walk is still open";
    add("01", 4);
    EXPECT_THROW(cursor.beginTransaction(), DbError) << "no new walk inside a failed one";
    EXPECT_THROW(cursor.commit(), DbError);
    EXPECT_FALSE(cursor.inTransaction());
    EXPECT_EQ(walk(), (std::vector<qint64>{1}));

    cursor.beginTransaction();
    cursor.beginTransaction();
    add("01", 5);
    cursor.rollback();
    cursor.rollback();
    cursor.beginTransaction();
    add("01", 6);
    cursor.commit();
    Cursor reader(session, "TCZYTELNIK");
    reader.setTableName(path("KSIEGA"));
    reader.open();
    EXPECT_EQ(reader.recordCount(), 2) << "the failed walk is over once the outer one ends";
}

TEST_F(CursorEditing, ViewsHearOfChangesUnlessControlsAreDisabled)
{
    cursor.open();
    QSignalSpy resets(&cursor, &Cursor::rowsReset);
    QSignalSpy inserted(&cursor, &Cursor::rowInserted);
    QSignalSpy current(&cursor, &Cursor::currentChanged);
    add("01", 1);
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_GT(current.count(), 0);

    cursor.disableControls();
    cursor.disableControls();
    inserted.clear();
    current.clear();
    resets.clear();
    add("01", 2);
    cursor.first();
    cursor.enableControls();
    EXPECT_EQ(inserted.count() + current.count() + resets.count(), 0);
    cursor.enableControls();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(current.count(), 1);
    EXPECT_EQ(inserted.count(), 0);
}

// A walk inside a transaction edits from the records it read ahead; what another cursor of
// the same program wrote meanwhile is still what an edit starts from.
TEST_F(CursorEditing, EditInsideATransactionStartsFromWhatAnotherCursorWrote)
{
    cursor.open();
    for (int lp = 1; lp <= 3; ++lp)
        add("01", lp, QStringLiteral("N%1").arg(lp), "1");
    Cursor other(session, "TDRUGI");
    other.setTableName(path("KSIEGA"));
    other.open();

    cursor.beginTransaction();
    cursor.first();
    cursor.next(); // the block of all three records is read ahead now
    cursor.edit();
    cursor.field("K7").setAsString("2");
    cursor.post();

    other.last();
    other.edit();
    other.field("NAZ1").setAsString("Drugi");
    other.post();

    cursor.next();
    cursor.edit();
    EXPECT_EQ(cursor.field("NAZ1").asString(), "Drugi");
    cursor.field("K7").setAsString("3");
    cursor.post();
    cursor.commit();

    other.refresh();
    other.last();
    EXPECT_EQ(other.field("NAZ1").asString(), "Drugi") << "the other cursor's change survives";
    EXPECT_EQ(other.field("K7").asCurrency(), Money::fromZloty(3));
    other.first();
    other.next();
    EXPECT_EQ(other.field("K7").asCurrency(), Money::fromZloty(2));
}
