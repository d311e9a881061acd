// The table printer: column widths from the grid, captions, group headings, the ordinal
// column and the totals row.

#include "print_fixture.h"

#include "platform/session.h"
#include "platform/table_files.h"

class TablePrinter : public EngineTest {
protected:
    TablePrinter()
    {
        TableDef definition;
        definition.fields = {{"NR", FieldType::Integer, 0, false},
                             {"NAZWA", FieldType::Text, 20, false},
                             {"KWOTA", FieldType::Currency, 0, false}};
        definition.indexes = {{QString(), {"NR"}, true, true, false, false}};
        createTable(path("POZYCJE"), definition);
        cursor.setTableName(path("POZYCJE"));
        cursor.open();
    }

    void add(int number, const QString &name, const QString &amount)
    {
        cursor.append();
        cursor.field("NR").setInteger(number);
        cursor.field("NAZWA").setAsString(name);
        cursor.field("KWOTA").setAsString(amount);
        cursor.post();
    }

    static GridColumn column(const QString &field, const QString &title, int pixels,
                             Qt::Alignment alignment = Qt::AlignLeft,
                             const QString &group = QString())
    {
        GridColumn column;
        column.fieldName = field;
        column.title = title;
        column.widthPixels = pixels;
        column.alignment = alignment;
        column.groupHeading = group;
        return column;
    }

    // The table's lines between the system header and the footer.
    QStringList tableLines() const
    {
        QStringList lines = engine.buffer().split(QLatin1Char('\n'));
        lines.removeLast();
        EXPECT_TRUE(lines.constLast().startsWith("&GVelmor - Koniec wydruku: "));
        return lines.mid(2, lines.size() - 3);
    }

    Session session;
    Cursor cursor{session, QStringLiteral("TPOZYCJE")};
};

// 40 px give 7 characters, 9 px give 2 (1.5 rounds to even), 3 px give none.
TEST_F(TablePrinter, ColumnWidthsComeFromPixelsBySix)
{
    add(1, "Alfa", "1");
    PrintGrid grid{cursor, {column("NAZWA", "Nazwa", 40), column("NR", "Nr", 9),
                            column("KWOTA", "Kwota", 3)}, {}};
    engine.DrukujTabeleX(grid, "Tabela", QString(), 0);
    EXPECT_EQ(tableLines(), (QStringList{"============", "| Nazwa |Nr|", "|-------|--|",
                                         "|Alfa   |1 |", "============"}));
    EXPECT_EQ(engine.IlLinNag, 3);
    EXPECT_EQ(engine.TextNag[1], "============");
    EXPECT_EQ(engine.TextNag[3], "|-------|--|");
}

// A five-letter caption in ten characters: 2.5 rounds to 2 spaces before it.
TEST_F(TablePrinter, OrdinalColumnTotalsAndTheRazemLabel)
{
    add(1, "Alfa", "10,50");
    add(2, "Beta", "1234,56");
    add(3, "Gamma", "-1,06");
    PrintGrid grid{cursor, {column("NAZWA", "Nazwa", 60),
                            column("KWOTA", "Kwota", 60, Qt::AlignRight)}, {}};
    engine.DrukujTabeleX(grid, "Tabela", "LP;KWOTA", 0);
    const QString rule(6 + 11 + 11, QLatin1Char('='));
    EXPECT_EQ(tableLines(), (QStringList{rule,
                                         "| LP |  Nazwa   |  Kwota   |",
                                         "|----|----------|----------|",
                                         "|   1|Alfa      |     10,50|",
                                         "|   2|Beta      |   1234,56|",
                                         "|   3|Gamma     |     -1,06|",
                                         rule,
                                         "|    |RAZEM :   |   1244.00|",
                                         rule}));
    EXPECT_EQ(progress.steps, 3);
    EXPECT_EQ(dialogs.windowShown, 1);
}

TEST_F(TablePrinter, NoColumnWideEnoughLeavesTheLabelOut)
{
    add(1, "Alfa", "5");
    PrintGrid grid{cursor, {column("NAZWA", "Nazwa", 36), column("KWOTA", "Kwota", 60,
                                                                 Qt::AlignRight)}, {}};
    engine.DrukujTabeleX(grid, "Tabela", "LP;KWOTA;", 0);
    EXPECT_EQ(tableLines().at(5), "|    |      |      5.00|");
}

TEST_F(TablePrinter, GroupHeadingSpansItsColumnsCentred)
{
    add(1, "Alfa", "2");
    PrintGrid grid{cursor, {column("NR", "Nr", 24), column("NAZWA", "Nazwa", 60, Qt::AlignLeft, "Dane"),
                            column("KWOTA", "Kwota", 60, Qt::AlignHCenter, "Dane"),
                            column("NR", "Nr", 24)}, {}};
    engine.TextNag[1] = QStringLiteral("Nagłówek wywołującego");
    engine.DrukujTabeleX(grid, "Tabela", QString(), 1);
    const QStringList lines = tableLines();
    EXPECT_EQ(lines.at(0), "Nagłówek wywołującego");
    EXPECT_EQ(lines.at(1), QString(1 + 5 + 11 + 11 + 5, QLatin1Char('=')));
    EXPECT_EQ(lines.at(2), "|    |        Dane         |    |");
    EXPECT_EQ(lines.at(3), "| Nr |  Nazwa   |  Kwota   | Nr |");
    EXPECT_EQ(lines.at(5), "|1   |Alfa      |   2,00   |1   |");
    EXPECT_EQ(engine.IlLinNag, 5);
    EXPECT_EQ(engine.TextNag[2], lines.at(1));
    EXPECT_EQ(engine.TextNag[3], lines.at(2));
    EXPECT_EQ(engine.TextNag[5], lines.at(4));
}

TEST_F(TablePrinter, SelectedRowsPrintInTheOrderOfSelection)
{
    add(1, "Alfa", "1");
    add(2, "Beta", "2");
    add(3, "Gamma", "3");
    QList<Cursor::Bookmark> selected;
    for (const int record : {3, 1}) {
        ASSERT_TRUE(cursor.findKey({record}));
        selected.append(cursor.bookmark());
    }
    cursor.findKey({2});
    PrintGrid grid{cursor, {column("NAZWA", "Nazwa", 60)}, selected};
    engine.DrukujTabeleX(grid, "Tabela", "LP", 0);
    const QStringList lines = tableLines();
    EXPECT_EQ(lines.at(3), "|   1|Gamma     |");
    EXPECT_EQ(lines.at(4), "|   2|Alfa      |");
    EXPECT_EQ(cursor.field("NR").asInteger(), 2);
}

TEST_F(TablePrinter, TextThatIsNoNumberAddsNothingToItsTotal)
{
    add(1, "12,5", "1");
    add(2, "abc", "1");
    PrintGrid grid{cursor, {column("NAZWA", "Nazwa", 60, Qt::AlignRight)}, {}};
    engine.DrukujTabeleX(grid, "Tabela", "NAZWA", 0);
    EXPECT_EQ(tableLines().at(6), "|     12.50|");
}

TEST_F(TablePrinter, EmptyDataSetPrintsNothing)
{
    PrintGrid grid{cursor, {column("NAZWA", "Nazwa", 60)}, {}};
    engine.DrukujTabeleX(grid, "Tabela", "LP", 0);
    EXPECT_TRUE(engine.buffer().isEmpty());
    EXPECT_EQ(dialogs.windowShown, 0);
    EXPECT_EQ(progress.starts, 0);
}
