#include "firm/users.h"
#include "ledger/ledger_rules.h"
#include "tests/core/data_root_fixture.h"

#include <QFile>
#include <QFileInfo>

using Users = DataRootTest;

namespace {

QStringList userRows(Cursor &users)
{
    QStringList rows;
    for (users.first(); !users.eof(); users.next())
        rows << users.field("KOD").asString() + ' ' + users.field("NAZWISKO").asString();
    return rows;
}

QString savedEntryStamp(TDANE &d)
{
    const int number = NUMER(d);
    d.TKSIEGA.append();
    d.TKSIEGA.field("LP").setInteger(number);
    d.TKSIEGA.field("MC").setAsString("05");
    d.TKSIEGA.post();
    return d.TKSIEGA.field("NAZWISKO").asString();
}

} // namespace

TEST_F(Users, ChangingTheUserRenamesTheRunAndDeletingItsRowDoesNot)
{
    TDANE &d = start();
    EXPECT_EQ(AddUser(d, "Nowak Anna"), 2);
    ASSERT_TRUE(FindUser(d, 2));
    ChangeUser(d);
    EXPECT_EQ(environment.userName, "Nowak Anna");
    EXPECT_EQ(OperatorPanelText(environment), "Nowak Anna");
    EXPECT_EQ(savedEntryStamp(d), "Nowak Anna");

    prompter.enqueue(Answer::Yes);
    ASSERT_TRUE(FindUser(d, 2));
    EXPECT_TRUE(DeleteUser(d));
    EXPECT_EQ(userRows(d.TUSER), QStringList({"1 Kowalski Jan"}));
    EXPECT_EQ(environment.userName, "Nowak Anna") << "the run keeps its name";
    EXPECT_TRUE(CloseUsers(d));
    EXPECT_EQ(environment.userName, "Nowak Anna");
}

TEST_F(Users, DeletingAsksByNameAndNoKeepsTheRow)
{
    TDANE &d = start();
    prompter.enqueue(Answer::No);
    EXPECT_FALSE(DeleteUser(d));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Czy skazować użytkownika Kowalski Jan?");
    EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(prompter.messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(d.TUSER.recordCount(), 1);

    prompter.enqueue(Answer::Yes);
    EXPECT_TRUE(DeleteUser(d));
    EXPECT_EQ(d.TUSER.recordCount(), 0);
    prompter.clear();
    EXPECT_FALSE(DeleteUser(d)) << "an empty list has nothing to delete";
    EXPECT_TRUE(prompter.messages().isEmpty());
    ChangeUser(d);
    EXPECT_EQ(environment.userName, "Kowalski Jan") << "no row, no new name";
    EXPECT_EQ(AddUser(d, "Pierwszy"), 1);
}

TEST_F(Users, ClosingSavesTheTypedRowAndDropsAnUntouchedOne)
{
    TDANE &d = start();
    NewUser(d);
    EXPECT_TRUE(CloseUsers(d));
    EXPECT_FALSE(d.TUSER.isEditing());
    EXPECT_EQ(userRows(d.TUSER), QStringList({"1 Kowalski Jan"}));

    NewUser(d);
    d.TUSER.field("KOD").setInteger(5);
    d.TUSER.field("NAZWISKO").setAsString("Wiśniewska Zofia");
    EXPECT_TRUE(CloseUsers(d));
    EXPECT_EQ(environment.userName, "Kowalski Jan") << "closing does not change the user";

    NewUser(d);
    d.TUSER.field("KOD").setInteger(5);
    d.TUSER.field("NAZWISKO").setAsString("Dubel");
    EXPECT_FALSE(CloseUsers(d));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Błąd zapisu");

    start();
    EXPECT_EQ(userRows(dane->TUSER), QStringList({"1 Kowalski Jan", "5 Wiśniewska Zofia"}));
}

TEST_F(Users, WithoutTheUserTableEntriesAreStampedAsMissingUser)
{
    ASSERT_TRUE(deleteTable(at("2019/KSIEGA/USER")));
    TDANE &d = start();
    EXPECT_EQ(environment.userName, "Brak użytkownika");
    EXPECT_EQ(savedEntryStamp(d), "Brak użytkownika");
    NewUser(d);
    ChangeUser(d);
    EXPECT_TRUE(CloseUsers(d));
    EXPECT_FALSE(DeleteUser(d));
    EXPECT_THROW(AddUser(d, "Nowy"), DbError);
    EXPECT_EQ(environment.userName, "Brak użytkownika");
}

TEST_F(Users, AnEmptyUserTableStartsWithAnEmptyName)
{
    plainSql("2019/KSIEGA/USER.DB", "DELETE FROM USER");
    TDANE &d = start();
    EXPECT_EQ(environment.userName, "");
    EXPECT_EQ(savedEntryStamp(d), "");
}

TEST_F(Users, ARefusedDeleteIsReportedAndKeepsTheRow)
{
    TDANE &d = start();
    const QString file = at("2019/KSIEGA/USER.DB");
    ASSERT_TRUE(QFileInfo::exists(file));
    d.TUSER.close();
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    d.TUSER.open();
    ASSERT_TRUE(d.TUSER.isReadOnly());

    prompter.enqueue(Answer::Yes);
    EXPECT_FALSE(DeleteUser(d));
    ASSERT_EQ(prompter.messages().size(), 2);
    EXPECT_EQ(prompter.messages()[1].icon, MessageIcon::Error);
    EXPECT_TRUE(prompter.messages()[1].text.startsWith("Tabela jest tylko do odczytu."))
        << prompter.messages()[1].text.toStdString();
    EXPECT_EQ(userRows(d.TUSER), QStringList({"1 Kowalski Jan"}));
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
