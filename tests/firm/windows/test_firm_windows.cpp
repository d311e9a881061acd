#include "firm/firm_logo.h"
#include "firm/users.h"
#include "firm/windows/tfirmaf.h"
#include "firm/windows/tksiegaf2.h"
#include "tests/core/data_root_fixture.h"
#include "tests/support/screenshot.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

class FirmWindows : public DataRootTest {
protected:
    // Key by key, Polish letters included (QTest::keyClicks knows only ASCII).
    static void type(QWidget *box, const QString &text)
    {
        for (const QChar letter : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(letter), Qt::NoModifier);
    }
    // Types into a box and leaves it, as the user does with the keyboard.
    static void typeAndLeave(QWidget *box, const QString &text)
    {
        auto *edit = qobject_cast<QLineEdit *>(box);
        if (!edit)
            edit = qobject_cast<QComboBox *>(box)->lineEdit();
        edit->selectAll();
        type(edit, text);
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &leave);
    }
    static QString shown(QWidget *box)
    {
        if (auto *edit = qobject_cast<QLineEdit *>(box))
            return edit->text();
        return qobject_cast<QComboBox *>(box)->currentText();
    }

    int argc = 1;
    char name[10] = "test_firm";
    char *argv[2] = {name, nullptr};
    QApplication application{argc, argv};
};

TEST_F(FirmWindows, FirmWindowShowsItsPagesAndCompletesTheAddressOnLeaving)
{
    TDANE &d = start();
    TFIRMAF window(d, QImage());
    EXPECT_EQ(window.windowTitle(), "Dane o Firmie");
    ASSERT_TRUE(window.FormShow());
    QTabWidget *pages = window.pages();
    QStringList titles;
    for (int i = 0; i < pages->count(); ++i)
        titles << pages->tabText(i);
    EXPECT_EQ(titles, QStringList({"Dane identyfikacyjne i ewidencyjne", "Adres siedziby",
                                   "Adres zamieszkana", "Rachunki bankowe", "Inne parametry",
                                   "Logo Firmy"}));
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(shown(window.control("SKROT")), "Test");
    EXPECT_EQ(shown(window.control("KRAJ")), "POLSKA");
    EXPECT_EQ(shown(window.control("ADATA")), "2019.05.10") << "from the parameter record";

    window.show();
    pages->setCurrentIndex(1);
    typeAndLeave(window.control("POCZTA"), "Łódź");
    EXPECT_EQ(shown(window.control("ZMIEJSCOWOSC")), "Łódź");
    EXPECT_EQ(shown(window.control("GMINA")), "Łódź");
    typeAndLeave(window.control("WOJEWODZTWO"), "ŁÓDZKIE");
    EXPECT_EQ(shown(window.control("ZWOJEWODZTWO")), "ŁÓDZKIE");
    typeAndLeave(window.control("ZULICA"), "Piotrkowska");
    typeAndLeave(window.control("ULICA"), "Zgierska");
    EXPECT_EQ(shown(window.control("ZULICA")), "Piotrkowska");
    typeAndLeave(window.control("SKROT"), "Łódzka Spółka");
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        saveScreenshot(window, QStringLiteral("TFIRMAF-%1").arg(i + 1));
    }
    window.done(QDialog::Rejected);

    EXPECT_FALSE(d.TFIRMA.isEditing()) << "closing saves";
    TDANE &again = start();
    EXPECT_EQ(again.TFIRMA.field("SKROT").asString(), "Łódzka Spółka");
    EXPECT_EQ(again.TFIRMA.field("ZPOWIAT").asString(), "Łódź");
    EXPECT_EQ(again.TFIRMA.field("ULICA").asString(), "Zgierska");
    EXPECT_EQ(again.TFIRMA.field("ZULICA").asString(), "Piotrkowska");
}

TEST_F(FirmWindows, ChoiceListsOfferTheVoivodeshipsAndPayerKinds)
{
    TDANE &d = start();
    TFIRMAF window(d, QImage());
    ASSERT_TRUE(window.FormShow());
    auto *voivodeship = qobject_cast<QComboBox *>(window.control("WOJEWODZTWO"));
    ASSERT_NE(voivodeship, nullptr);
    EXPECT_EQ(voivodeship->count(), 16);
    EXPECT_EQ(voivodeship->itemText(4), "ŁÓDZKIE");
    EXPECT_TRUE(voivodeship->isEditable()) << "free text allowed";
    auto *payer = qobject_cast<QComboBox *>(window.control("RP"));
    ASSERT_NE(payer, nullptr);
    EXPECT_EQ(payer->itemText(0), "P - Osoba Prawna");
    EXPECT_EQ(payer->currentText(), "F");
    payer->setCurrentIndex(0);
    emit payer->activated(0);
    EXPECT_EQ(d.TFIRMA.field("RP").asString(), "P") << "the field keeps the letter";
    auto *archived = qobject_cast<QLineEdit *>(window.control("ARCHDATA"));
    EXPECT_TRUE(archived->isReadOnly());
}

TEST_F(FirmWindows, LogoPageShowsTheBitmapAndItsSize)
{
    TDANE &d = start();
    {
        TFIRMAF window(d, LoadFirmLogo(environment.dataRoot));
        ASSERT_TRUE(window.FormShow());
        window.pages()->setCurrentIndex(5);
        EXPECT_EQ(window.logoSize()->text(), "Wymiar rysuknku :  0 / 0");
        EXPECT_TRUE(window.logoPicture()->pixmap().isNull());
        window.done(QDialog::Rejected);
    }
    QImage picture(300, 150, QImage::Format_RGB32);
    picture.fill(QColor(0, 80, 160));
    ASSERT_TRUE(picture.save(at("logo.bmp"), "BMP"));
    TFIRMAF window(d, LoadFirmLogo(environment.dataRoot));
    ASSERT_TRUE(window.FormShow());
    window.show();
    window.pages()->setCurrentIndex(5);
    EXPECT_EQ(window.logoSize()->text(), "Wymiar rysuknku :  300 / 150");
    EXPECT_EQ(window.logoPicture()->pixmap().width(), 300);
    saveScreenshot(window, "TFIRMAF-logo");
}

TEST_F(FirmWindows, FirmWindowClosesAtOnceWithoutTheFirmTable)
{
    TDANE &d = start();
    d.TFIRMA.close();
    TFIRMAF window(d, QImage());
    EXPECT_FALSE(window.execute());
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(FirmWindows, UsersWindowAddsDeletesAndChangesTheUser)
{
    TDANE &d = start();
    TKSIEGAF2 window(d);
    EXPECT_EQ(window.windowTitle(), "Użytkownicy");
    QTableView *grid = window.grid();
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), "KOD");
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), "IMIE i NAZWISKO");
    EXPECT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(window.newUserAction()->text(), "Nowy użytkownik");
    EXPECT_EQ(window.deleteUserAction()->text(), "Kasuj użytkownika");
    window.show();

    window.newUserAction()->trigger();
    EXPECT_EQ(d.TUSER.state(), Cursor::State::Insert);
    QTest::keyClicks(window.codeEdit(), "2");
    type(window.nameEdit(), "Żak Józef");
    window.newUserAction()->trigger(); // the typed row is kept, a fresh one follows
    EXPECT_EQ(grid->model()->rowCount(), 2);
    QTest::keyClicks(window.codeEdit(), "3");
    type(window.nameEdit(), "Ćwik Ewa");
    saveScreenshot(window, "TKSIEGAF2");

    prompter.enqueue(Answer::No);
    window.deleteUserAction()->trigger();
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Czy skazować użytkownika Ćwik Ewa?");
    EXPECT_EQ(grid->model()->rowCount(), 2) << "the new row is still being typed";

    grid->setCurrentIndex(grid->model()->index(1, 1));
    EXPECT_EQ(d.TUSER.field("NAZWISKO").asString(), "Żak Józef");
    QTest::mouseClick(window.changeUserButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(OperatorPanelText(environment), "Żak Józef");
    EXPECT_FALSE(d.TUSER.isEditing());

    TDANE &again = start();
    QStringList names;
    for (again.TUSER.first(); !again.TUSER.eof(); again.TUSER.next())
        names << again.TUSER.field("NAZWISKO").asString();
    EXPECT_EQ(names, QStringList({"Kowalski Jan", "Żak Józef", "Ćwik Ewa"}));
}

TEST_F(FirmWindows, ClosingTheUsersWindowKeepsTheUserName)
{
    TDANE &d = start();
    TKSIEGAF2 window(d);
    window.show();
    window.newUserAction()->trigger();
    window.close();
    EXPECT_EQ(environment.userName, "Kowalski Jan");
    EXPECT_EQ(d.TUSER.recordCount(), 1) << "an untouched new row is dropped";
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(FirmWindows, EnterInTheNameBoxDoesNotChangeTheUser)
{
    TDANE &d = start();
    ASSERT_EQ(AddUser(d, "Nowak Anna"), 2);
    TKSIEGAF2 window(d);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.nameEdit()->setFocus();
    window.nameEdit()->selectAll();
    type(window.nameEdit(), "Nowak Anna Maria");
    QTest::keyClick(window.nameEdit(), Qt::Key_Return);
    QTest::keyClick(window.nameEdit(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(window.isVisible()) << "only the button changes the user";
    EXPECT_EQ(environment.userName, "Kowalski Jan");
    EXPECT_EQ(d.TUSER.field("NAZWISKO").asString(), "Nowak Anna Maria") << "the typed name is kept";

    window.changeUserButton()->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(environment.userName, "Nowak Anna Maria");
}
