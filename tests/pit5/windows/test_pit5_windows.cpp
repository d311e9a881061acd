#include "pit5/windows/tpit5f.h"
#include "pit5/windows/tpit5f5.h"
#include "pit5/windows/tpit5f6.h"
#include "pit5/windows/tpit5f7.h"
#include "platform/widgets/cursor_navigator.h"
#include "tests/pit5/pit5_fixture.h"
#include "tests/support/screenshot.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class Pit5Windows : public Pit5Test {
protected:
    void SetUp() override
    {
        Pit5Test::SetUp();
        useExampleScale();
        scalePayer = addTaxpayer({.surname = "Kowalski", .nip = "1112223344", .share = "50"});
        flatPayer = addTaxpayer({.surname = "Żurawska", .nip = "5556667788", .share = "50",
                                 .flatRate = true});
        prompter.clear();
    }
    void TearDown() override
    {
        window.reset();
        Pit5Test::TearDown();
    }

    TPIT5F &open()
    {
        window = std::make_unique<TPIT5F>(*dane);
        window->resize(1280, 800);
        window->FormShow();
        window->show();
        QApplication::processEvents();
        return *window;
    }

    static void whileModal(const std::function<void()> &opening, const std::function<void()> &inside)
    {
        QTimer::singleShot(0, inside);
        opening();
    }
    static void typeAndLeave(QWidget *box, const QString &text)
    {
        auto *edit = qobject_cast<QLineEdit *>(box);
        edit->setFocus();
        edit->selectAll();
        for (const QChar letter : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(letter), Qt::NoModifier);
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(edit, &leave);
    }
    static QString shown(QWidget *box) { return qobject_cast<QLineEdit *>(box)->text(); }
    static void shoot(QWidget &window, const QString &name)
    {
        QApplication::processEvents();
        saveScreenshot(window, name);
    }
    void showPage(const QString &title)
    {
        for (int page = 0; page < window->pages()->count(); ++page)
            if (window->pages()->tabText(page) == title)
                window->pages()->setCurrentIndex(page);
    }

    int argc = 1;
    char name[10] = "test_pit5";
    char *argv[2] = {name, nullptr};
    QApplication application{argc, argv};
    std::unique_ptr<TPIT5F> window;
    int scalePayer = 0;
    int flatPayer = 0;
};

TEST_F(Pit5Windows, TaxMethodLocksFieldsHidesSectionsAndPageFourPreview)
{
    TPIT5F &w = open();
    const auto locked = [&](const char *field) {
        return qobject_cast<QLineEdit *>(w.control(field))->isReadOnly();
    };
    const auto zoneAndRentalShown = [&] {
        int shown = 0;
        for (QGroupBox *group : w.zoneAndRentalGroups())
            shown += !group->isHidden();
        return shown;
    };
    QAction *pageFour = w.action("Podgląd str. 4");

    ASSERT_TRUE(FindTaxpayer(*dane, scalePayer));
    EXPECT_FALSE(locked("P23"));
    EXPECT_FALSE(locked("P52"));
    EXPECT_EQ(zoneAndRentalShown(), 3);
    EXPECT_TRUE(pageFour->isEnabled());

    // Choosing the flat-rate taxpayer in the list applies the method at once.
    w.taxpayerGrid()->selectRow(w.taxpayerGrid()->model()->rowCount() - 1);
    QApplication::processEvents();
    ASSERT_EQ(dane->TOSOBA.field("NR").asInteger(), flatPayer);
    for (const char *field : {"P23", "P30", "P31", "P41", "P52"})
        EXPECT_TRUE(locked(field)) << field;
    EXPECT_FALSE(locked("P19"));
    EXPECT_EQ(w.control("P23")->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(zoneAndRentalShown(), 0);
    EXPECT_FALSE(pageFour->isEnabled());
    showPage("C - D");
    shoot(w, "TPIT5F-liniowy-C-D");

    ASSERT_TRUE(FindTaxpayer(*dane, scalePayer));
    QApplication::processEvents();
    EXPECT_FALSE(locked("P23"));
    EXPECT_NE(w.control("P23")->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(zoneAndRentalShown(), 3);
    EXPECT_TRUE(pageFour->isEnabled());
    showPage("L");
    shoot(w, "TPIT5F-skala-L");
}

TEST_F(Pit5Windows, NewDeclarationIsTypedAndSaved)
{
    TPIT5F &w = open();
    EXPECT_EQ(w.windowTitle(), "RAZEDO 2019 Test");
    EXPECT_EQ(w.periodPanel()->text(), "Miesiąc + Rok");
    EXPECT_EQ(w.taxpayerPanel()->text(), "Firma");
    ASSERT_TRUE(FindTaxpayer(*dane, scalePayer));

    bool asked = false;
    whileModal([&] { w.action("Nowa deklaracja")->trigger(); },
               [&] {
                   TPIT5F6 &month = w.monthDialog();
                   asked = month.isVisible();
                   EXPECT_EQ(month.windowTitle(), "Oznaczenie deklaracji");
                   EXPECT_EQ(month.period()->text(), "05-2019");
                   typeAndLeave(month.period(), "04-2019");
                   shoot(month, "TPIT5F6");
                   month.okButton()->click();
               });
    EXPECT_TRUE(asked);
    EXPECT_EQ(dek().state(), Cursor::State::Insert);
    EXPECT_EQ(text("MC"), "04");
    EXPECT_EQ(w.periodPanel()->text(), "04-2019");
    EXPECT_EQ(w.taxpayerPanel()->text(), "Kowalski Jan");
    EXPECT_EQ(shown(w.control("P1")), "111-222-33-44");

    showPage("K");
    typeAndLeave(w.control("K71"), "50000");
    typeAndLeave(w.control("K72"), "20000,40");
    EXPECT_EQ(shown(w.control("P47")), "5169,92") << "the rules fill the form while typing";
    EXPECT_EQ(shown(w.control("P64")), "5170,00");
    shoot(w, "TPIT5F-K");
    showPage("J1");
    shoot(w, "TPIT5F-J1");
    showPage("Dane o firmie");
    shoot(w, "TPIT5F-dane");

    w.action("Zapisz deklarację")->trigger();
    EXPECT_FALSE(dek().isEditing());
    EXPECT_EQ(w.declarationGrid()->model()->rowCount(), 1);
    showPage("INDEKS");
    shoot(w, "TPIT5F-indeks");
    EXPECT_TRUE(prompter.messages().isEmpty()) << messageTexts().join(" | ").toStdString();

    // A change left unsaved is offered for saving on closing.
    typeAndLeave(w.control("P63"), "10");
    prompter.enqueue(Answer::No);
    w.close();
    EXPECT_EQ(messageTexts().last(), "Czy zapisać zmiany ?");
    EXPECT_TRUE(amount("P63").isZero());
}

TEST_F(Pit5Windows, NewDeclarationWithoutTaxpayersOpensTheRegister)
{
    plainSql("FIRMA.DB", "DELETE FROM FIRMA WHERE NR IS NOT NULL");
    plainSql("FIRMA.DB", "UPDATE FIRMA SET RP='P'");
    dane->TOSOBA.refresh();
    TPIT5F &w = open();
    prompter.enqueue(Answer::Yes);
    bool opened = false;
    whileModal([&] { w.NowaDeklaracjaClick(); },
               [&] {
                   opened = w.taxpayersWindow().isVisible();
                   w.taxpayersWindow().reject();
               });
    EXPECT_TRUE(opened);
    EXPECT_EQ(messageTexts(),
              QStringList({"Brak zdefiniowanego podatnika.\rCzy otworzyć formularz podatników ?"}));
    EXPECT_TRUE(dek().isEmpty());
    EXPECT_FALSE(dek().isEditing());
}

TEST_F(Pit5Windows, TaxpayersRegisterNumbersAndChecks)
{
    TPIT5F &w = open();
    TPIT5F7 &r = w.taxpayersWindow();
    whileModal([&] { r.execute(); },
               [&] {
                   EXPECT_EQ(r.windowTitle(), "PODATNICY");
                   r.button("Nowy")->click();
                   EXPECT_EQ(shown(r.control("NAZWISKO")), "Nowy");
                   EXPECT_EQ(shown(r.control("NR")), "0");
                   typeAndLeave(r.control("NAZWISKO"), "Wiśniewska");
                   typeAndLeave(r.control("IMIE"), "Łucja");
                   shoot(r, "TPIT5F7");
                   r.button("Zapisz")->click();
                   EXPECT_EQ(shown(r.control("NR")), "3");
                   // An insert from the navigator is numbered too.
                   r.navigator()->button(CursorNavigator::Insert)->click();
                   EXPECT_EQ(shown(r.control("NR")), "0");
                   typeAndLeave(r.control("NAZWISKO"), "Zając");
                   r.navigator()->button(CursorNavigator::Post)->click();
                   EXPECT_EQ(shown(r.control("NR")), "4");
                   r.reject();
               });
    EXPECT_EQ(messageTexts(), QStringList({"Brak uzupełnionych pól :  NIP-u, Procent Udziału",
                                           "Brak uzupełnionych pól :  NIP-u, Procent Udziału"}));
    EXPECT_EQ(r.grid()->model()->rowCount(), 5);
}

TEST_F(Pit5Windows, ConstantsAreEditedInTheGridAndNeverAdded)
{
    TPIT5F &w = open();
    TPIT5F5 &c = w.constantsWindow();
    whileModal([&] { c.execute(); },
               [&] {
                   EXPECT_EQ(c.windowTitle(), "Dane do naliczenia podatku");
                   QAbstractItemModel *model = c.grid()->model();
                   EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), "WARTOŚĆ");
                   EXPECT_EQ(model->headerData(3, Qt::Horizontal).toString(), "KWOTA");
                   EXPECT_FALSE(model->flags(model->index(0, 0)) & Qt::ItemIsEditable);
                   EXPECT_TRUE(model->setData(model->index(0, 3), "412,40"));
                   EXPECT_FALSE(model->setData(model->index(0, 0), "Inna"));
                   dane->TSTALE.insert();
                   EXPECT_FALSE(dane->TSTALE.isEditing()) << "an insert is cancelled at once";
                   shoot(c, "TPIT5F5");
                   c.reject();
               });
    ASSERT_TRUE(dane->TSTALE.findKey({1}));
    EXPECT_EQ(dane->TSTALE.field("KWOTAMIN").asCurrency(), zl("412,40"));
    EXPECT_EQ(dane->TSTALE.field("NAZWA").asString(), "Składka emerytalna");
    dane->TSTALE.insert();
    EXPECT_TRUE(dane->TSTALE.isEditing()) << "the guard ends with the window";
    dane->TSTALE.cancel();
}

// A tax no amount holds (the largest rate the constants take, on the largest base) is shown in
// the error box naming its field; the base goes back to what it was and the form goes on.
TEST_F(Pit5Windows, ATaxNoAmountHoldsIsShownAndTheFormGoesOn)
{
    TPIT5F &w = open();
    ASSERT_TRUE(FindTaxpayer(*dane, flatPayer));
    whileModal([&] { w.action("Nowa deklaracja")->trigger(); },
               [&] { w.monthDialog().okButton()->click(); });
    showPage("C - D");
    typeAndLeave(w.control("P46"), "30000");
    EXPECT_EQ(shown(w.control("P47")), "5700,00");
    setConstant(25, "WARTOSC", "99999999999,99");
    prompter.clear();

    typeAndLeave(w.control("P46"), "99999999999");
    EXPECT_EQ(messageTexts(), QStringList({"Nie można obliczyć pola P47: wynik jest poza zakresem, jaki "
                                           "może mieć kwota. Polecenie przerwano."}));
    EXPECT_EQ(prompter.messages().first().icon, MessageIcon::Error);
    EXPECT_EQ(shown(w.control("P46")), "30000,00");
    EXPECT_EQ(amount("P46"), zl("30000"));
    EXPECT_EQ(shown(w.control("P47")), "5700,00");

    setConstant(25, "WARTOSC", "18");
    typeAndLeave(w.control("P46"), "10000");
    EXPECT_EQ(shown(w.control("P47")), "1800,00");
    EXPECT_EQ(prompter.messages().size(), 1);
}
