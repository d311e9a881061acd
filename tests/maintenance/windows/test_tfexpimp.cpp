#include "contractors/windows/tkonf.h"
#include "maintenance/windows/tfexpimp.h"
#include "tests/maintenance/transfer_fixture.h"
#include "tests/support/screenshot.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

class TransferWindow : public TransferTest {
protected:
    TFexpimp &open(TFexpimp::Mode mode)
    {
        window = std::make_unique<TFexpimp>(*dane);
        window->setFileChooser([this](const FileRequest &request) -> std::optional<QString> {
            requests << request;
            if (answers.isEmpty())
                return std::nullopt;
            return answers.takeFirst();
        });
        window->FormShow(dane->TKontrah, mode);
        window->show();
        return *window;
    }
    void TearDown() override
    {
        window.reset();
        TransferTest::TearDown();
    }
    QString cell(int row, int column)
    {
        const QTableWidgetItem *item = window->zamien()->item(row, column);
        return item ? item->text() : QStringLiteral("(brak)");
    }
    bool visible(const char *button) { return window->button(button)->isVisibleTo(window.get()); }
    // "zapis export.txt [Plik exportow]*.txt ...": what the dialog was asked to offer.
    static QString offered(const FileRequest &request)
    {
        QString text = (request.save ? "zapis " : "odczyt ") + request.defaultName;
        for (const FileFilter &filter : request.filters)
            text += " [" + filter.name + "]" + filter.pattern;
        return text;
    }

    std::unique_ptr<TFexpimp> window;
    QList<FileRequest> requests;
    QStringList answers; // the files the dialogs give, one a request; none left: cancelled
};

TEST_F(TransferWindow, ExportWritesTheColumnsTheGridNamesIntoTheFileChosen)
{
    startWith({{1, "ALFA", "Łódź"}});
    TFexpimp &w = open(TFexpimp::Mode::Export);
    EXPECT_EQ(w.windowTitle(), "Export danych");
    EXPECT_TRUE(visible("Export danych"));
    EXPECT_FALSE(visible("Plik importowany"));
    EXPECT_FALSE(visible("Importuj dane"));
    EXPECT_EQ(w.button("Zapisz katalog")->toolTip(),
              "Zapisuje domyślny katalog przy imporcie/exporcie danych.");
    QTableWidget *grid = w.zamien();
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "Pole bazy");
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "Pole pliku");
    EXPECT_TRUE(grid->isColumnHidden(2)) << "the field name is not shown";
    EXPECT_TRUE(grid->isColumnHidden(3)) << "no key marks in an export";
    ASSERT_EQ(grid->rowCount(), 13);
    EXPECT_EQ(cell(3, 0), "NAZWA1");
    EXPECT_EQ(cell(3, 1), "NAZWA1");
    EXPECT_TRUE(grid->item(3, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(grid->item(3, 0)->flags() & Qt::ItemIsEditable);
    grid->item(1, 1)->setText(" ");
    grid->item(2, 1)->setText("Skrót");
    saveScreenshot(w, "TFexpimp-export");

    w.ExportDanychClick();
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(offered(requests[0]), "zapis export.txt [Plik exportow]*.txt [Wszystki pliki]*.*");
    EXPECT_TRUE(w.isVisible()) << "a cancelled dialog leaves the window open";

    answers << at("kontrahenci.txt");
    w.ExportDanychClick();
    EXPECT_TRUE(read("kontrahenci.txt").startsWith("NR\tSkrót\tNAZWA1\t"));
    EXPECT_TRUE(read("kontrahenci.txt").contains("\r\n1\tALFA\t\t"));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);

    // A write that fails closes the window as well, after its message.
    answers << "/dev/full";
    open(TFexpimp::Mode::Export).ExportDanychClick();
    EXPECT_EQ(messageTexts(), QStringList{"Błąd zapisu pliku : /dev/full"});
    EXPECT_FALSE(window->isVisible());
}

TEST_F(TransferWindow, ImportIsOfferedOnlyOnceEveryKeyFieldHasAColumnOfTheFile)
{
    startWith({{1, "ALFA", "Łódź"}});
    TFexpimp &w = open(TFexpimp::Mode::Import);
    EXPECT_EQ(w.windowTitle(), "Import danych");
    EXPECT_TRUE(visible("Plik importowany"));
    EXPECT_TRUE(visible("Importuj dane"));
    EXPECT_FALSE(visible("Export danych"));
    EXPECT_FALSE(w.button("Importuj dane")->isEnabled()) << "no file yet";
    EXPECT_FALSE(w.zamien()->isColumnHidden(3));
    EXPECT_EQ(cell(0, 0), "NR");
    EXPECT_EQ(cell(0, 1), "klucz");
    EXPECT_EQ(cell(0, 3), "*");
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_FALSE(w.zamien()->item(0, 1)->flags() & Qt::ItemIsEditable);

    answers << write("bez_klucza.txt", "SKROT\tMIEJSC\t\r\nBETA\tOpole\t\r\n");
    w.PlikImportowanyClick();
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(offered(requests[0]),
              "odczyt import.txt [Plik tekstowy ]*.txt [CSV rozdzielany średnikami]*.csv");
    EXPECT_EQ(cell(0, 1), "SKROT");
    EXPECT_EQ(cell(0, 0), "SKROT");
    EXPECT_FALSE(w.button("Importuj dane")->isEnabled());

    answers << write("import.txt", "MIEJSC\tNR\tSKROT\t\r\nGdańsk\t1\tALFA NOWA\t\r\n2\tzła\t\r\n");
    w.PlikImportowanyClick();
    EXPECT_EQ(cell(1, 0), "NR");
    EXPECT_EQ(cell(1, 1), "NR");
    EXPECT_EQ(cell(1, 3), "*");
    EXPECT_EQ(cell(3, 0), "NIP");
    EXPECT_EQ(cell(3, 1), "");
    ASSERT_TRUE(w.button("Importuj dane")->isEnabled());
    saveScreenshot(w, "TFexpimp-import");

    // A line that does not convert keeps the window open with its mapping.
    w.ImportujDaneClick();
    ASSERT_EQ(messageTexts().size(), 1);
    EXPECT_TRUE(messageTexts()[0].startsWith("Import przerwano w wierszu 3 pliku " + at("import.txt")
                                             + ":\rkolumna „NR”, wartość „zła”."));
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.button("Importuj dane")->isEnabled());

    prompter.clear();
    write("import.txt", "MIEJSC\tNR\tSKROT\t\r\nGdańsk\t1\tALFA NOWA\t\r\nKraków\t2\tBETA\t\r\n");
    w.ImportujDaneClick();
    EXPECT_TRUE(prompter.messages().isEmpty()) << messageTexts().join('\n').toStdString();
    EXPECT_EQ(contractors(), (QStringList{"1|ALFA NOWA|Gdańsk|", "2|BETA|Kraków|"}));
    EXPECT_TRUE(QFile::exists(at("zimport.txt")));
    EXPECT_FALSE(w.isVisible());

    // A file that cannot be mapped takes the offer back.
    answers << write("pusty.txt", "");
    open(TFexpimp::Mode::Import).PlikImportowanyClick();
    EXPECT_FALSE(window->button("Importuj dane")->isEnabled());
    EXPECT_EQ(cell(0, 1), "klucz");
}

TEST_F(TransferWindow, ZapiszKatalogMakesTheChosenFilesDirectoryTheDialogsDefault)
{
    start();
    TFexpimp &w = open(TFexpimp::Mode::Export);
    w.ZapiszKatalogClick();
    EXPECT_FALSE(QFile::exists(at("ImpExp.txt"))) << "no file chosen yet";
    EXPECT_TRUE(prompter.messages().isEmpty());

    QDir(folder.dir.path()).mkdir("pliki");
    answers << at("pliki/export.txt");
    w.ExportDanychClick();
    w.ZapiszKatalogClick();
    EXPECT_EQ(read("ImpExp.txt"), at("pliki/") + "\r\n");

    open(TFexpimp::Mode::Import).PlikImportowanyClick();
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[1].directory, at("pliki/"));

    write("ImpExp.txt", "C:\\Dane\\Księga\r\n");
    open(TFexpimp::Mode::Export).ExportDanychClick();
    EXPECT_EQ(requests[2].directory, "C:/Dane/Księga/");
}

TEST_F(TransferWindow, TheCatalogueOpensItForItsContractors)
{
    startWith({{1, "ALFA", "Łódź"}});
    TKONF catalogue(*dane);
    catalogue.FormShow();
    for (const auto &[action, caption] :
         {std::pair{"Import katalogu kontrahentów", "Import danych"},
          std::pair{"Export katalogu kontrahentów", "Export danych"}}) {
        ASSERT_TRUE(catalogue.action(action)->isEnabled());
        QString shown;
        QString firstField;
        QTimer::singleShot(0, [&] {
            auto *modal = qobject_cast<TFexpimp *>(QApplication::activeModalWidget());
            if (!modal)
                return;
            shown = modal->windowTitle();
            firstField = modal->zamien()->item(0, 0)->text();
            modal->reject();
        });
        catalogue.action(action)->trigger();
        EXPECT_EQ(shown, caption);
        EXPECT_EQ(firstField, "NR");
    }
}
