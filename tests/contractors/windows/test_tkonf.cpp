#include "tests/contractors/contractor_fixture.h"

#include "contractors/contractor_catalogue.h"
#include "contractors/contractor_envelope.h"
#include "contractors/contractor_search.h"
#include "contractors/envelope_margins.h"
#include "contractors/windows/tkonf.h"
#include "contractors/windows/tkonf1.h"
#include "contractors/windows/tkonf4.h"
#include "contractors/windows/tkonf5.h"
#include "ledger/windows/tksiegaf.h"
#include "platform/print/printer_list.h"
#include "platform/print/recording_canvas.h"
#include "platform/progress.h"
#include "print/print_engine.h"
#include "tests/support/screenshot.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

// An office printer and an envelope printer, each keeping what was printed on it.
class OfficePrinters final : public PrinterList {
public:
    QStringList printerNames() const override { return {"Biurowa", "Koperty"}; }
    QString currentPrinter() const override { return current; }
    void selectPrinter(const QString &name) override { current = name; }
    PageCanvas &canvas() override { return current == "Koperty" ? envelopes : office; }

    QString current = "Biurowa";
    RecordingCanvas office;
    RecordingCanvas envelopes;
};

} // namespace

class CatalogueWindow : public ContractorTest {
protected:
    TDANE &open(const QList<Row> &rows)
    {
        startWith(rows);
        window = std::make_unique<TKONF>(*dane);
        window->FormShow();
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *dane;
    }
    void TearDown() override
    {
        window.reset();
        ContractorTest::TearDown();
    }
    // Key presses carrying the text, Polish letters included (the test library's own
    // typing knows only ASCII).
    static void keys(QWidget *widget, const QString &text)
    {
        for (const QChar letter : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
            QApplication::sendEvent(widget, &press);
        }
    }
    // Types into a box as a user would, leaving it afterwards.
    static void type(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        box->selectAll();
        keys(box, text);
        QMetaObject::invokeMethod(box, "editingFinished");
    }
    // Runs `step` as soon as the next modal window is up; a window the step left open is
    // closed, so a step that did not work fails the test instead of hanging it.
    static void whenModal(std::function<void()> step)
    {
        QTimer::singleShot(0, [step] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal) {
                EXPECT_TRUE(QTest::qWaitForWindowExposed(modal));
            }
            step();
            if (modal && modal->isVisible()) {
                ADD_FAILURE() << "the window stayed open";
                modal->close();
            }
        });
    }
    template <typename Window>
    static Window *shown()
    {
        return qobject_cast<Window *>(QApplication::activeModalWidget());
    }

    std::unique_ptr<TKONF> window;
};

TEST_F(CatalogueWindow, ShowsTheGridTheEditPanelTheCommandsAndTheCount)
{
    open({{1, "5260250995", "Żabka", "Poznań"}, {2, "7770003274", "Ćma sp. z o.o.", "Łódź"}});
    EXPECT_EQ(window->windowTitle(), "KATALOG KONTRAHENTÓW");
    QAbstractItemModel *model = window->grid()->model();
    QStringList titles;
    for (int i = 0; i < model->columnCount(); ++i)
        titles << model->headerData(i, Qt::Horizontal).toString();
    EXPECT_EQ(titles, (QStringList{"NUMER", "NIP", "SKRÓT NAZWY", "MIEJSCOWOŚĆ"}));
    EXPECT_EQ(model->data(model->index(1, 0)).toString(), "00002");
    EXPECT_EQ(window->countPanel()->text(), "Ilość pozycji  2");
    EXPECT_EQ(window->searchBox(ContractorColumn::Place)->toolTip(), "Podaj miejscowość");
    EXPECT_EQ(window->fieldEdit("NR")->toolTip(), "Numerr kontrahenta - oryginalny");
    EXPECT_TRUE(window->fieldEdit("NR")->isReadOnly());
    EXPECT_EQ(window->fieldEdit("NR")->text(), "00001");
    EXPECT_EQ(window->fieldEdit("NUM2")->toolTip(), "8-cyfrowy numer banku");
    EXPECT_EQ(window->fieldEdit("SKROT")->maxLength(), 20);

    EXPECT_EQ(window->action("Nowy kontrahent")->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_EQ(window->action("Zapisz")->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(window->action("Usuń kontrahenta")->shortcut(), QKeySequence(Qt::Key_F8));
    EXPECT_EQ(window->action("Pomoc")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(window->action("Import katalogu kontrahentów")->isEnabled());
    EXPECT_TRUE(window->action("Export katalogu kontrahentów")->isEnabled());
    EXPECT_TRUE(window->action("Opis kontrahenta")->isVisible());
    for (const char *text : {"Dodaj nowy", "Zapisz", "Usuń", "Przenieś dane kontrahenta"})
        EXPECT_NE(window->button(text), nullptr) << text;
    saveScreenshot(*window, "TKONF");
}

TEST_F(CatalogueWindow, AddTypeAndSave)
{
    TDANE &d = open({{41, "", "Ostatni", ""}});
    QTest::keyClick(window.get(), Qt::Key_F4);
    EXPECT_EQ(window->fieldEdit("NR")->text(), "00042");
    EXPECT_EQ(window->countPanel()->text(), "Ilość pozycji  2");
    EXPECT_EQ(window->grid()->currentIndex().row(), 1);

    type(window->fieldEdit("NAZWA1"), "Usługi Transportowe Łukasz Wąs");
    EXPECT_EQ(window->fieldEdit("SKROT")->text(), "Usługi Transportowe ");
    type(window->fieldEdit("MIEJSC"), "Gniezno");
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_FALSE(d.TKontrah.isEditing());

    Cursor &again = start().TKontrah;
    ASSERT_TRUE(FindContractor(again, 42));
    EXPECT_EQ(again.field("SKROT").asString(), "Usługi Transportowe ");
    EXPECT_EQ(again.field("MIEJSC").asString(), "Gniezno");
}

TEST_F(CatalogueWindow, SearchBoxesAndTitlesOrderTheGrid)
{
    TDANE &d = open({{1, "333", "Celina", "Opole"}, {2, "111", "Adam", "Bytom"},
                     {3, "222", "Bogdan", "Łomża"}});
    QTest::keyClicks(window->searchBox(ContractorColumn::Nip), "2");
    EXPECT_EQ(current(), 3);
    EXPECT_EQ(d.TKontrah.indexName(), "Ninx");
    EXPECT_EQ(window->grid()->model()->data(window->grid()->model()->index(0, 1)).toString(), "111");
    EXPECT_EQ(window->grid()->currentIndex().row(), 1);

    QTest::keyClicks(window->searchBox(ContractorColumn::Number), "x");
    EXPECT_EQ(current(), 3) << "a non-number moves nowhere";
    window->grid()->horizontalHeader()->sectionClicked(3);
    EXPECT_EQ(d.TKontrah.indexName(), "Minx");
    EXPECT_EQ(numbers(), (QList<qint64>{2, 3, 1}));
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(CatalogueWindow, CancelledDeleteStillRefreshesTheCount)
{
    TDANE &d = open({{1, "", "A", ""}});
    d.TKontrah.append();
    d.TKontrah.field("NR").setInteger(2);
    d.TKontrah.post();
    EXPECT_EQ(window->countPanel()->text(), "Ilość pozycji  1") << "not counted yet";
    prompter.enqueue(Answer::Cancel);
    window->button("Usuń")->click();
    EXPECT_EQ(window->countPanel()->text(), "Ilość pozycji  2");
    prompter.enqueue(Answer::Ok);
    QTest::keyClick(window.get(), Qt::Key_F8);
    EXPECT_EQ(window->countPanel()->text(), "Ilość pozycji  1");
    EXPECT_EQ(prompter.messages().size(), 2);
}

TEST_F(CatalogueWindow, DoubleClickPicksAndCloseReturnsNo)
{
    open({{1, "", "A", ""}, {2, "", "B", ""}, {3, "", "C", ""}});
    window->hide();
    whenModal([this] {
        QTableView *grid = window->grid();
        const QRect row = grid->visualRect(grid->model()->index(1, 2));
        // A double click is the press of a click followed by the second press.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, row.center());
    });
    EXPECT_TRUE(window->execute());
    EXPECT_EQ(current(), 2);

    whenModal([this] { window->action("Zamknij")->trigger(); });
    EXPECT_FALSE(window->execute());

    whenModal([this] {
        window->searchBox(ContractorColumn::ShortName)->setText("C");
        window->button("Przenieś dane kontrahenta")->click();
    });
    EXPECT_TRUE(window->execute());
    EXPECT_EQ(current(), 3);
}

TEST_F(CatalogueWindow, RenumberDialogRefusesATakenNumberAndRenumbers)
{
    open({{1, "", "A", ""}, {2, "", "B", ""}});
    whenModal([] {
        TKONF5 *dialog = shown<TKONF5>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Zmiana numeru kontrahenta :");
        EXPECT_EQ(dialog->numberEdit()->text(), "00001");
        dialog->numberEdit()->setText("00002");
        dialog->changeButton()->click();
    });
    QTest::mouseDClick(window->fieldEdit("NR"), Qt::LeftButton);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text,
              "W katalogu kontrahentów istnieje kontrahent o tym numerze\rBrak możliwości zmiany.");

    whenModal([] {
        TKONF5 *dialog = shown<TKONF5>();
        dialog->numberEdit()->selectAll();
        QTest::keyClicks(dialog->numberEdit(), "77");
        saveScreenshot(*dialog, "TKONF5");
        dialog->changeButton()->click();
    });
    window->NRDblClick();
    EXPECT_EQ(window->fieldEdit("NR")->text(), "00077");
    EXPECT_EQ(numbers(), (QList<qint64>{2, 77}));
}

TEST_F(CatalogueWindow, DescriptionWindowFollowsTheCatalogueAndSavesWhenHidden)
{
    addDescription(2, "601 100 200");
    TDANE &d = open({{1, "", "Alfa", ""}, {2, "", "Beta", ""}});
    window->action("Opis kontrahenta")->trigger();
    TKonF1 *description = window->descriptionWindow();
    ASSERT_NE(description, nullptr);
    EXPECT_TRUE(description->isVisible());
    EXPECT_EQ(description->windowTitle(), "Opis kontrahenta");
    EXPECT_EQ(description->numberLabel()->text(), "00001");
    EXPECT_EQ(description->shortNameLabel()->text(), "Alfa");

    description->nextButton()->click();
    EXPECT_EQ(current(), 2);
    EXPECT_EQ(qobject_cast<QLineEdit *>(description->control("Tel1"))->text(), "601 100 200");
    auto *province = qobject_cast<QComboBox *>(description->control("Wojew"));
    EXPECT_EQ(province->count(), 16);
    saveScreenshot(*description, "TkonF1");

    description->priorButton()->click();
    province->setCurrentIndex(4);
    QMetaObject::invokeMethod(province, "activated", Q_ARG(int, 4));
    auto *remarks = qobject_cast<QPlainTextEdit *>(description->control("OPIS"));
    remarks->setFocus();
    keys(remarks, "Zamawia co miesiąc.");
    window->action("Zamknij")->trigger();
    EXPECT_FALSE(description->isVisible());
    EXPECT_FALSE(d.TKONTRAHo.isEditing());

    Cursor &notes = start().TKONTRAHo;
    ASSERT_TRUE(notes.findKey({1}));
    EXPECT_EQ(notes.field("OPIS").asString(), "Zamawia co miesiąc.");
    EXPECT_EQ(notes.field("Wojew").asString(), "ŁÓDZKIE");
}

TEST_F(CatalogueWindow, WithoutTheDescriptionTableItsCommandIsHidden)
{
    QFile::remove(at("2019/FIN/KONTRAHO.DB"));
    TDANE &d = open({{1, "", "A", ""}});
    EXPECT_FALSE(window->action("Opis kontrahenta")->isVisible());
    prompter.enqueue(Answer::Ok);
    window->UsunKontrahentaClick();
    EXPECT_TRUE(d.TKontrah.isEmpty());
    EXPECT_EQ(window->countPanel()->text(), "Ilość pozycji  0");
}

TEST_F(CatalogueWindow, MarginsDialogShowsWritesAndAbandons)
{
    open({{1, "", "A", ""}});
    whenModal([] {
        TkonF4 *dialog = shown<TkonF4>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Ustawienie marginesów");
        EXPECT_EQ(dialog->topEdit()->text(), "") << "no file yet";
        dialog->topEdit()->setText("12,5");
        dialog->leftEdit()->setText("30");
        dialog->saveButton()->click();
    });
    window->action("Ustawienie marginesów")->trigger();
    EXPECT_EQ(readEnvelopeMargins(EnvelopeMarginsFile()), (EnvelopeMargins{12.5, 30}));

    whenModal([] {
        TkonF4 *dialog = shown<TkonF4>();
        EXPECT_EQ(dialog->topEdit()->text(), "12,5");
        EXPECT_EQ(dialog->leftEdit()->text(), "30");
        saveScreenshot(*dialog, "TkonF4");
        dialog->topEdit()->setText("1");
        dialog->abandonButton()->click();
    });
    window->UstawienieMarginesowClick();
    EXPECT_EQ(readEnvelopeMargins(EnvelopeMarginsFile()), (EnvelopeMargins{12.5, 30}));
}

TEST_F(CatalogueWindow, LeavingAnUntouchedFullNameFillsAnEmptyShortName)
{
    // The invoicing program may leave a contractor with a full name and no short name.
    plainSql("2019/FIN/KONTRAHI.DB",
             "INSERT INTO KONTRAHI (NR, SKROT, NAZWA1) VALUES "
             "(1, '', 'Przedsiębiorstwo Handlowe Żuraw'), (2, 'Własny', 'Pełna nazwa')");
    TDANE &d = open({});
    QLineEdit *fullName = window->fieldEdit("NAZWA1");
    QLineEdit *place = window->fieldEdit("MIEJSC");
    QLineEdit *shortName = window->fieldEdit("SKROT");
    fullName->setFocus();
    EXPECT_EQ(currentText("SKROT"), "");
    place->setFocus();
    EXPECT_EQ(shortName->text(), "Przedsiębiorstwo Han");
    EXPECT_TRUE(d.TKontrah.isEditing());

    // The short name cleared, a pass through the full name brings it back.
    shortName->setFocus();
    shortName->selectAll();
    QTest::keyClick(shortName, Qt::Key_Backspace);
    fullName->setFocus();
    EXPECT_EQ(currentText("SKROT"), "");
    place->setFocus();
    EXPECT_EQ(shortName->text(), "Przedsiębiorstwo Han");
    window->ZapiszClick();
    EXPECT_EQ(currentText("SKROT"), "Przedsiębiorstwo Han");

    d.TKontrah.next();
    fullName->setFocus();
    place->setFocus();
    EXPECT_EQ(window->fieldEdit("SKROT")->text(), "Własny") << "a short name is kept";
    EXPECT_FALSE(d.TKontrah.isEditing());
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(CatalogueWindow, AFailingDescriptionTableIsReportedNotThrown)
{
    TDANE &d = open({{1, "", "A", ""}});
    TKonF1 description(d);
    // Another program takes the description table away while the catalogue has it open.
    plainSql("2019/FIN/KONTRAHO.DB", "DROP TABLE KONTRAHO");
    EXPECT_NO_THROW(description.FormShow());
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Error);
    EXPECT_FALSE(prompter.messages()[0].text.isEmpty());
    EXPECT_NO_THROW(description.FormHide());
    ASSERT_EQ(prompter.messages().size(), 2);
    EXPECT_EQ(prompter.messages()[1].icon, MessageIcon::Error);
    EXPECT_EQ(d.TKontrah.recordCount(), 1) << "the catalogue itself goes on";
}

TEST_F(CatalogueWindow, TheEnvelopeGoesToThePrinterChosenInThePrintEngine)
{
    startWith({{1, "", "A", "Gdańsk"}});
    OfficePrinters printers;
    ScriptedPrintDialogs dialogs;
    SilentProgress progress;
    TDRUK engine(PrintContext{environment, [] { return QStringLiteral("Test"); }, "RAZEDO 2019"},
                 printers, dialogs, prompter, progress);
    engine.printers().selectPrinter("Koperty"); // as the engine window's printer box does
    TKSIEGAF main(*dane);
    main.setPrintEngine(&engine);
    whenModal([] {
        TKONF *catalogue = shown<TKONF>();
        ASSERT_NE(catalogue, nullptr);
        catalogue->action("Adresowanie kopert")->trigger();
        catalogue->action("Zamknij")->trigger();
    });
    main.KatalogKontrahentw1Click();
    EXPECT_EQ(printers.envelopes.textLines(), (QStringList{"A pełna", "", "", "", "Gdańsk"}));
    EXPECT_EQ(printers.envelopes.setupInForce().paperName, "Note");
    EXPECT_EQ(printers.office.jobsBegun(), 0);
    EXPECT_TRUE(prompter.messages().isEmpty());

    TKONF catalogue(*dane);
    OfficePrinters other;
    catalogue.setPrinters(&other);
    catalogue.action("Adresowanie kopert")->trigger();
    EXPECT_EQ(other.office.textLines().size(), 5) << "the chosen one of the list given";
    EXPECT_EQ(other.envelopes.jobsBegun(), 0);
}

TEST_F(CatalogueWindow, AnEngineFaultInAHandlerIsShownAndTheWindowGoesOn)
{
    open({{1, "333", "Celina", "Opole"}, {2, "111", "Adam", "Bytom"}});
    // Another program overwrites the table file: every read of it fails from now on.
    QFile file(at("2019/FIN/KONTRAHI.DB"));
    const qint64 size = file.size();
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(size, 'x'));
    file.close();

    QTest::keyClicks(window->searchBox(ContractorColumn::Nip), "1");
    ASSERT_FALSE(prompter.messages().isEmpty()) << "the failure was not shown";
    EXPECT_EQ(prompter.messages().first().icon, MessageIcon::Error);
    EXPECT_TRUE(window->isVisible());
    const qsizetype shown = prompter.messages().size();
    QTest::keyClicks(window->searchBox(ContractorColumn::Nip), "1");
    EXPECT_GT(prompter.messages().size(), shown) << "the next handler ran under the guard too";
    EXPECT_TRUE(window->isVisible());
}
