#include "platform/scripted_prompter.h"
#include "platform/widgets/cursor_navigator.h"
#include "platform/widgets/cursor_table_model.h"
#include "platform/widgets/field_binder.h"
#include "tests/platform/table_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QToolButton>

class DataAware : public TableTest {
protected:
    void SetUp() override
    {
        TableTest::SetUp();
        cursor.open();
        add("01", 1, "Adam", "1234567,5");
        add("01", 2, "Beata", "0,1");
        add("02", 3, "Cezary", "-12,34");
    }

    QList<CursorTableModel::Column> columns() const
    {
        return {{"LP", "L.p.", {}}, {"NAZ1", "Imię i\nnazwisko", {}}, {"K7", "-7-", {}}};
    }

    int argc = 1;
    char name[5] = "test";
    char *argv[2] = {name, nullptr};
    QApplication application{argc, argv};
    ScriptedPrompter prompter;
};

TEST_F(DataAware, ModelShowsWhatTheCursorReachesInItsOrder)
{
    CursorTableModel model(cursor, columns());
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Imię i\nnazwisko");
    EXPECT_EQ(model.data(model.index(0, 2)).toString(), "1 234 567,50");
    EXPECT_EQ(model.data(model.index(1, 2)).toString(), "0,10");
    EXPECT_EQ(model.data(model.index(2, 2)).toString(), "-12,34");
    EXPECT_EQ(model.data(model.index(2, 1)).toString(), "Cezary");
    EXPECT_EQ(model.data(model.index(0, 2), Qt::TextAlignmentRole).value<Qt::Alignment>()
                  & Qt::AlignRight,
              Qt::AlignRight);
    EXPECT_EQ(model.textAt(2, "MC"), "02");

    cursor.setFilterHook([](Cursor &c) { return c.field("MC").asString() == "01"; });
    cursor.setFiltered(true);
    EXPECT_EQ(model.rowCount(), 2);
    add("01", 4, "Dorota");
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.data(model.index(2, 1)).toString(), "Dorota");
    cursor.first();
    cursor.remove();
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), "Beata");
}

TEST_F(DataAware, ModelStaysFrozenWhileControlsAreDisabled)
{
    CursorTableModel model(cursor, columns());
    cursor.disableControls();
    add("03", 5, "Ewa");
    cursor.setFiltered(true);
    EXPECT_EQ(model.rowCount(), 3) << "nothing moves while a walk runs";
    cursor.setFiltered(false);
    cursor.enableControls();
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.data(model.index(3, 1)).toString(), "Ewa");
}

TEST_F(DataAware, ViewAndCursorFollowEachOther)
{
    CursorTableModel model(cursor, columns());
    QTableView view;
    followCursor(&view, &model, prompter);
    view.show();
    cursor.last();
    EXPECT_EQ(view.currentIndex().row(), 2);
    view.setCurrentIndex(model.index(1, 1));
    EXPECT_EQ(cursor.recNo(), 1);
    EXPECT_EQ(cursor.field("NAZ1").asString(), "Beata");
}

TEST_F(DataAware, TypingEditsTheRecordAndLeavingAssignsThroughTheHooks)
{
    QStringList changes;
    cursor.setFieldChange("NAZ1", [&](Field f) { changes << f.asString(); });
    cursor.first();
    FieldBinder binder(cursor, prompter);
    QLineEdit name;
    QLineEdit amount;
    binder.bindLineEdit(&name, "NAZ1");
    binder.bindLineEdit(&amount, "K7");
    EXPECT_EQ(name.text(), "Adam");
    EXPECT_EQ(amount.text(), "1234567,50");

    name.selectAll();
    QTest::keyClicks(&name, "Zenon");
    EXPECT_EQ(cursor.state(), Cursor::State::Edit) << "the first keystroke starts editing";
    EXPECT_TRUE(changes.isEmpty()) << "nothing is assigned while typing";
    emit name.editingFinished();
    EXPECT_EQ(changes, QStringList({"Zenon"}));

    amount.selectAll();
    QTest::keyClicks(&amount, "99,99");
    cursor.post(); // what is typed but not yet left is not lost
    EXPECT_EQ(cursor.field("K7").asString(), "99,99");
    cursor.next();
    EXPECT_EQ(name.text(), "Beata") << "moving shows the next record";
}

TEST_F(DataAware, RefusedEditAndBadValuesLeaveTheRecordAsItWas)
{
    cursor.first();
    FieldBinder binder(cursor, prompter);
    QLineEdit number;
    binder.bindLineEdit(&number, "LP");
    number.selectAll();
    QTest::keyClicks(&number, "12a");
    emit number.editingFinished();
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].text.contains("12a"));
    EXPECT_EQ(number.text(), "1") << "the box shows the field again";

    cursor.cancel();
    cursor.setStateChange([](Cursor &c, Cursor::State) {
        if (c.state() == Cursor::State::Edit)
            c.cancel();
    });
    QTest::keyClicks(&number, "7");
    EXPECT_EQ(cursor.state(), Cursor::State::Browse);
    EXPECT_EQ(number.text(), "1");
}

TEST_F(DataAware, OtherControlsBindToo)
{
    cursor.first();
    FieldBinder binder(cursor, prompter);
    QCheckBox mark;
    QPlainTextEdit memo;
    QComboBox month;
    month.setEditable(true);
    month.addItems({"01", "02"});
    QLineEdit date;
    date.setInputMask("99.99;_");
    binder.bindCheckBox(&mark, "B1");
    binder.bindMemo(&memo, "UWAGI");
    binder.bindComboBox(&month, "MC");
    binder.bindLineEdit(&date, "NAZ1");
    EXPECT_FALSE(mark.isChecked());
    EXPECT_EQ(month.currentText(), "01");

    mark.click();
    EXPECT_TRUE(cursor.field("B1").asBoolean());
    memo.setPlainText("uwaga\ndruga linia");
    month.setCurrentIndex(1);
    emit month.activated(1);
    date.clear();
    emit date.textEdited(QString());
    cursor.post();
    EXPECT_EQ(cursor.field("UWAGI").asString(), "uwaga\ndruga linia");
    EXPECT_EQ(cursor.field("MC").asString(), "02");
    EXPECT_TRUE(cursor.field("NAZ1").isNull()) << "an empty masked box is blank";

    binder.setReadOnly(true);
    EXPECT_TRUE(date.isReadOnly());
    EXPECT_FALSE(mark.isEnabled());
}

TEST_F(DataAware, NavigatorMovesAndAsksBeforeDeleting)
{
    CursorNavigator navigator(cursor, prompter, CursorNavigator::All);
    cursor.first();
    EXPECT_FALSE(navigator.button(CursorNavigator::First)->isEnabled());
    navigator.button(CursorNavigator::Last)->click();
    EXPECT_EQ(cursor.recNo(), 2);
    navigator.button(CursorNavigator::Delete)->click();
    EXPECT_EQ(cursor.recordCount(), 3) << "No keeps the record";
    prompter.enqueue(Answer::Yes);
    navigator.button(CursorNavigator::Delete)->click();
    EXPECT_EQ(cursor.recordCount(), 2);
    navigator.button(CursorNavigator::Insert)->click();
    EXPECT_TRUE(navigator.button(CursorNavigator::Post)->isEnabled());
    navigator.button(CursorNavigator::Cancel)->click();
    EXPECT_EQ(cursor.state(), Cursor::State::Browse);
}

TEST_F(DataAware, PickingARowWhileInsertingSavesTheNewRecordFirst)
{
    CursorTableModel model(cursor, columns());
    QTableView view;
    followCursor(&view, &model, prompter);
    cursor.last();
    cursor.insert();
    cursor.field("NAZ1").setAsString("Nowy");
    EXPECT_EQ(cursor.recNo(), -1) << "a record being inserted has no place yet";
    view.setCurrentIndex(model.index(2, 0));
    EXPECT_EQ(cursor.state(), Cursor::State::Browse);
    EXPECT_EQ(cursor.recordCount(), 4);
}
