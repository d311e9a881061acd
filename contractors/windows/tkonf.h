#pragma once
// "KATALOG KONTRAHENTÓW": the firm's customers and suppliers. A grid with four incremental
// search boxes on the left, the edit panel of the current contractor on the right, the
// record commands, the contractor's description, renumbering and the envelope.
//
// Opened modally by the main window ("Katalog Kontrahentów") and by the entry editor's
// catalogue button; both keep one instance for the run:
//   TKONF catalogue(dane, this);
//   catalogue.setPrinters(&engine.printers());  // the envelope goes to the engine's printer
//   if (catalogue.execute()) {
//       // dane.TKontrah stands on the contractor picked: copy NR, NAZWA1, NAZWA2, KOD,
//       // MIEJSC, UL, NIP into the entry.
//   }

#include "platform/widgets/cursor_table_model.h"
#include "platform/widgets/field_binder.h"

#include <QDialog>
#include <QHash>

#include <memory>

class CursorNavigator;
class PrinterList;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class TDANE;
class TFexpimp;
class TKONF5;
class TKonF1;
class TkonF4;
enum class ContractorColumn;

class TKONF final : public QDialog {
    Q_OBJECT

public:
    explicit TKONF(TDANE &dane, QWidget *parent = nullptr);
    ~TKONF() override;

    // Shows the catalogue until it is closed; the record being edited is saved then.
    // True ("Yes"): a contractor was picked with "Przenieś dane kontrahenta" or a double
    // click on the grid, and dane.TKontrah stands on him. False ("No"): the catalogue was
    // closed with "Zamknij" or the close box; the caller takes nothing.
    bool execute();

    // The printers of the print engine: the envelope goes to the one chosen there. Without
    // them (no engine) it goes to the system's default printer.
    void setPrinters(PrinterList *printers) { printers_ = printers; }

    // Handlers.
    void FormShow();
    void FormClose();
    void NowyKontrahentClick();
    void ZapiszClick();
    void UsunKontrahentaClick();
    void ZamknijClick();
    void PrzeniesClick();
    void DBGrid1DblClick(const QModelIndex &index);
    void DBGrid1TitleClick(int section);
    void SzukajChange(ContractorColumn column, const QString &text);
    void NAZWA1Exit();
    void NRDblClick();
    void OpisKontrahentaClick();
    void AdresowanieKopertClick();
    void UstawienieMarginesowClick();
    void ImportKataloguClick();
    void ExportKataloguClick();
    void PomocClick();

    QTableView *grid() const { return DBGrid1_; }
    CursorTableModel *gridModel() { return &model_; }
    // The search box of a column, the edit box of a field, the status bar's count.
    QLineEdit *searchBox(ContractorColumn column) const;
    QLineEdit *fieldEdit(const QString &field) const { return edits_.value(field); }
    QLabel *countPanel() const { return count_; }
    QAction *action(const QString &text) const;
    QPushButton *button(const QString &text) const;
    TKonF1 *descriptionWindow() const { return description_; }
    // The text import and export, created on first use.
    TFexpimp &transferWindow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *gridPanel();
    QWidget *editPanel();
    QWidget *buttonRow();
    void buildMenu();
    void showCount();
    void showNumber();
    void alignSearchBoxes();
    void transferCatalogue(bool importing);

    TDANE &dane_;
    CursorTableModel model_;
    FieldBinder binder_;
    QTableView *DBGrid1_ = nullptr;
    CursorNavigator *navigator_ = nullptr;
    QHash<int, QLineEdit *> search_;
    QHash<QString, QLineEdit *> edits_;
    QLabel *count_ = nullptr;
    QList<QAction *> actions_;
    QList<QPushButton *> buttons_;
    QAction *descriptionAction_ = nullptr;
    TKonF1 *description_ = nullptr;
    TKONF5 *renumber_ = nullptr;
    TkonF4 *margins_ = nullptr;
    TFexpimp *transfer_ = nullptr;
    PrinterList *printers_ = nullptr;
    std::unique_ptr<PrinterList> systemPrinters_;
};
