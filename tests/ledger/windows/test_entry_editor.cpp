#include "ledger/windows/topiszgf.h"
#include "ledger_window_fixture.h"
#include "platform/widgets/cursor_navigator.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

using EntryEditor = LedgerWindowTest;

TEST_F(EntryEditor, NewEntryTypedInTheEditorIsSaved)
{
    TKSIEGAF &w = open();
    bool opened = false;
    whileModal([&] { w.action("Pasek/Nowy wpis do księgi.")->trigger(); },
               [&] {
                   TKSIEGAF1 &e = w.editor();
                   opened = e.isVisible();
                   EXPECT_EQ(e.windowTitle(), "Opis pozycji Podatkowej Księgi Przychodów i Rozchodów");
                   EXPECT_EQ(shown(e.control("LP")), "25");
                   EXPECT_EQ(shown(e.control("MC")), "05");
                   EXPECT_EQ(shown(e.control("DATA")), "2019.05.10");
                   typeAndLeave(e.control("NRKSIEG"), "FV/1/05/2019");
                   typeAndLeave(e.control("NAZ1"), "Żółta Łódź");
                   typeAndLeave(e.control("MIEJSC"), "łódź");
                   EXPECT_EQ(shown(e.control("MIEJSC")), "ŁÓDŹ");
                   typeAndLeave(e.control("OPIS1"), "Sprzedaż towarów");
                   typeAndLeave(e.control("K7"), "100,10");
                   typeAndLeave(e.control("K8"), "0,20");
                   EXPECT_EQ(shown(e.control("K9")), "100,30") << "the total follows at once";
                   typeAndLeave(e.control("K13"), "19,99");
                   EXPECT_EQ(shown(e.control("K14")), "19,99");
                   shoot(e, "TKSIEGAF1");
                   e.saveButton()->click();
               });
    EXPECT_TRUE(opened);
    EXPECT_FALSE(w.editor().isVisible());
    EXPECT_TRUE(prompter.messages().isEmpty()) << messageTexts().join(" | ").toStdString();
    EXPECT_EQ(dane->TKSIEGA.state(), Cursor::State::Browse);
    EXPECT_EQ(w.grid()->model()->rowCount(), 1);
    EXPECT_EQ(current("LP"), "25");
    EXPECT_EQ(current("NAZ1"), "Żółta Łódź");
    EXPECT_EQ(current("MIEJSC"), "ŁÓDŹ");
    EXPECT_EQ(current("K9"), "100,30");
    EXPECT_EQ(current("NAZWISKO"), "Demo Operator");
    EXPECT_EQ(w.grid()->model()->data(w.grid()->model()->index(0, 3)).toString(), "Żółta Łódź");
}

TEST_F(EntryEditor, ClosingWithTheCloseBoxAsksWhetherToSave)
{
    TKSIEGAF &w = open();
    prompter.enqueue(Answer::No);
    whileModal([&] { w.Nowyzapis1Click(); },
               [&] {
                   typeAndLeave(w.editor().control("NAZ1"), "Nie zapisany");
                   w.editor().close();
               });
    EXPECT_EQ(messageTexts(), QStringList({"Czy zapisać zmiany ?"}));
    EXPECT_EQ(w.grid()->model()->rowCount(), 0);

    prompter.clear();
    prompter.enqueue(Answer::Yes);
    whileModal([&] { w.Nowyzapis1Click(); },
               [&] {
                   typeAndLeave(w.editor().control("NAZ1"), "Zapisany");
                   typeAndLeave(w.editor().control("MC"), "04");
                   w.editor().close();
               });
    EXPECT_EQ(messageTexts(), QStringList({"Czy zapisać zmiany ?"}));
    EXPECT_EQ(environment.workingMonth, "04") << "the view follows the entry to its month";
    EXPECT_TRUE(w.monthButton(4)->font().bold());
    EXPECT_EQ(current("NAZ1"), "Zapisany");
    EXPECT_EQ(current("LP"), "25");
}

TEST_F(EntryEditor, CopyLandsInTheFirstOpenMonthDatedToday)
{
    TKSIEGAF &w = open("'01'");
    w.monthButton(3)->click();
    w.grid()->setCurrentIndex(w.grid()->model()->index(2, 0));
    ASSERT_EQ(current("LP"), "19");
    whileModal([&] { w.action("Kontekst/Kopiuj zapis")->trigger(); },
               [&] {
                   TKSIEGAF1 &e = w.editor();
                   EXPECT_EQ(shown(e.control("LP")), "25");
                   EXPECT_EQ(shown(e.control("MC")), "02");
                   EXPECT_EQ(shown(e.control("DATA")), "2019.05.10");
                   EXPECT_EQ(shown(e.control("NAZ1")), "Sklep Źródełko Józef Łęcki");
                   EXPECT_EQ(shown(e.control("K7")), "890,40");
                   EXPECT_TRUE(w.monthButton(2)->font().bold()) << "February is shown meanwhile";
                   e.KZAPISZClick();
               });
    EXPECT_TRUE(prompter.messages().isEmpty());
    EXPECT_EQ(environment.workingMonth, "02");
    EXPECT_EQ(w.grid()->model()->rowCount(), 9);
    EXPECT_EQ(current("LP"), "25");
    EXPECT_EQ(current("OPIS1"), "Sprzedaż towarów");
}

TEST_F(EntryEditor, ContractorIsLookedUpByNumberAndByNip)
{
    TKSIEGAF &w = open();
    prompter.enqueue(Answer::No);
    whileModal([&] { w.Nowyzapis1Click(); },
               [&] {
                   TKSIEGAF1 &e = w.editor();
                   typeAndLeave(e.control("NRK"), "2");
                   EXPECT_EQ(shown(e.control("NAZ1")), "Kwiaciarnia Róża Anna Żak");
                   EXPECT_EQ(shown(e.control("MIEJSC")), "KRAKÓW");
                   EXPECT_EQ(shown(e.control("NIP")), "677-000-21-37");
                   typeAndLeave(e.control("NIP"), "894-000-33-12");
                   EXPECT_EQ(shown(e.control("NRK")), "3");
                   EXPECT_EQ(shown(e.control("NAZ1")), "Przedsiębiorstwo Transportowe Trans-Śląsk");
                   EXPECT_EQ(shown(e.control("UL")), "ul. Górnicza 7/2");
                   typeAndLeave(e.control("NRK"), "77");
                   EXPECT_EQ(shown(e.control("NRK")), "77");
                   EXPECT_EQ(shown(e.control("NAZ1")), "Przedsiębiorstwo Transportowe Trans-Śląsk")
                       << "an unknown number changes nothing else";
                   e.close();
               });
    EXPECT_EQ(messageTexts(), QStringList({"Czy zapisać zmiany ?"}));
}

TEST_F(EntryEditor, LeavingTheNumberBoxUntouchedLooksTheContractorUpAgain)
{
    TKSIEGAF &w = open();
    prompter.enqueue(Answer::No);
    whileModal([&] { w.Nowyzapis1Click(); },
               [&] {
                   TKSIEGAF1 &e = w.editor();
                   typeAndLeave(e.control("NRK"), "77");
                   EXPECT_EQ(shown(e.control("NAZ1")), "");
                   Cursor &contractors = dane->TKontrah;
                   contractors.append();
                   contractors.field("NR").setInteger(77);
                   contractors.field("NAZWA1").setAsString("Dopisany Później");
                   contractors.post();
                   QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
                   QApplication::sendEvent(e.control("NRK"), &leave);
                   EXPECT_EQ(shown(e.control("NAZ1")), "Dopisany Później");
                   e.close();
               });
    EXPECT_EQ(messageTexts(), QStringList({"Czy zapisać zmiany ?"}));
}

TEST_F(EntryEditor, APostedMonthChosenInTheBoxIsWhatTheSaveAsksAbout)
{
    TKSIEGAF &w = open("'01'");
    prompter.enqueue(Answer::Yes);
    whileModal([&] { w.Nowyzapis1Click(); },
               [&] {
                   TKSIEGAF1 &e = w.editor();
                   typeAndLeave(e.control("NAZ1"), "Do stycznia");
                   typeAndLeave(e.control("MC"), "01");
                   e.saveButton()->click();
               });
    EXPECT_EQ(messageTexts(),
              QStringList({"Miesiąc zamkniety.", "Miesiąc zamkniety.\rCzy zapisać zmiany ?"}));
    Cursor &ledger = dane->TKSIEGA;
    ledger.setFiltered(false);
    ASSERT_TRUE(ledger.locate("NAZ1", "Do stycznia"));
    EXPECT_EQ(ledger.field("MC").asString(), "01") << "the entry went where the user chose";
}

TEST_F(EntryEditor, DateArrowsCrossMonthAndYearEndsAndPostedMonthsLockTheBoxes)
{
    TKSIEGAF &w = open("'01'");
    w.monthButton(3)->click();
    prompter.enqueue(Answer::No);
    whileModal([&] { w.Edytujzapis1Click(); },
               [&] {
                   TKSIEGAF1 &e = w.editor();
                   EXPECT_TRUE(e.control("K7")->isEnabled());
                   typeAndLeave(e.control("DATA"), "2019.12.31");
                   e.upButton()->click();
                   EXPECT_EQ(shown(e.control("DATA")), "2020.01.01");
                   e.downButton()->click();
                   e.downButton()->click();
                   EXPECT_EQ(shown(e.control("DATA")), "2019.12.30");
                   typeAndLeave(e.control("DATA"), "2020.03.01");
                   e.downButton()->click();
                   EXPECT_EQ(shown(e.control("DATA")), "2020.02.29");
                   e.close();
               });
    EXPECT_EQ(current("DATA"), "2019.03.02") << "No dropped the stepped date";

    w.monthButton(1)->click();
    prompter.clear();
    prompter.enqueue(Answer::Yes);
    whileModal([&] { w.Edytujzapis1Click(); },
               [&] {
                   TKSIEGAF1 &e = w.editor();
                   for (const char *field : {"LP", "DATA", "MC", "K7", "K9", "K14", "K16"})
                       EXPECT_FALSE(e.control(field)->isEnabled()) << field;
                   for (const char *field : {"K17", "NRKSIEG", "A2", "OPIS1", "NAZ1", "UWAGI"})
                       EXPECT_TRUE(e.control(field)->isEnabled()) << field;
                   EXPECT_FALSE(e.upButton()->isEnabled());
                   shoot(e, "TKSIEGAF1-zaksiegowany");
                   typeAndLeave(e.control("NRKSIEG"), "FV/1/01/2019-korekta");
                   e.saveButton()->click();
               });
    EXPECT_EQ(messageTexts(), QStringList({"Miesiąc zamkniety.\rCzy zapisać zmiany ?"}));
    EXPECT_EQ(current("NRKSIEG"), "FV/1/01/2019-korekta");
}

TEST_F(EntryEditor, DictionaryAddsADescriptionToTheList)
{
    TKSIEGAF &w = open();
    prompter.enqueue(Answer::No);
    whileModal([&] { w.Nowyzapis1Click(); },
               [&] {
                   TKSIEGAF1 &e = w.editor();
                   auto *descriptions = qobject_cast<QComboBox *>(e.control("OPIS1"));
                   const int before = descriptions->count();
                   EXPECT_GT(before, 0);
                   whileModal([&] { e.EOPISDblClick(); },
                              [&] {
                                  auto *dictionary = w.findChild<TOPISZGF *>();
                                  ASSERT_NE(dictionary, nullptr);
                                  EXPECT_EQ(dictionary->windowTitle(),
                                            "Słownik - opis zdarzenia gospodarczego");
                                  dictionary->navigator()->button(CursorNavigator::Insert)->click();
                                  typeAndLeave(dictionary->nameEdit(), "Zakup paliwa");
                                  dictionary->close();
                              });
                   EXPECT_EQ(descriptions->count(), before + 1);
                   EXPECT_EQ(descriptions->itemText(before), "Zakup paliwa");
                   e.close();
               });
}

TEST_F(EntryEditor, AWrongKsefNumberKeepsTheEditorOpenUntilItIsPutRight)
{
    TKSIEGAF &w = open();
    bool stayed = false;
    whileModal([&] { w.Nowyzapis1Click(); },
               [&] {
                   TKSIEGAF1 &e = w.editor();
                   ASSERT_NE(e.control("KSEF"), nullptr);
                   typeAndLeave(e.control("NAZ1"), "Hurtownia");
                   typeAndLeave(e.control("KSEF"), "1234567890-20260301-abcdef012345-66");
                   e.saveButton()->click();
                   stayed = e.isVisible();
                   typeAndLeave(e.control("KSEF"), "1234567890-20260301-ABCDEF-012345-66");
                   e.saveButton()->click();
               });
    EXPECT_TRUE(stayed);
    EXPECT_EQ(messageTexts(), QStringList({"Błędny numer KSeF."}));
    EXPECT_FALSE(w.editor().isVisible());
    EXPECT_EQ(current("KSEF"), "1234567890-20260301-ABCDEF012345-66");
    EXPECT_EQ(w.grid()->model()->data(w.grid()->model()->index(0, 16)).toString(),
              "1234567890-20260301-ABCDEF012345-66");
}
