#pragma once
// The declaration window "Deklaracja PIT 5": the stored declarations and the taxpayers, the
// form page by page, and the commands that create, import, save, copy and delete a
// declaration. Every box is bound to the shared declaration cursor, so the rules of the data
// module fill the form while the user types.
//
// Opened modally by the main window's menu item "PIT 5":
//   TPIT5F window(dane, this);
//   window.execute();
// "Podgląd str. 1" .. "Podgląd str. 4" preview a page of the printed form, "Wydruk
// deklaracji" prints it on the system's printer (or the printers given by setPrinters).

#include "pit5/windows/declaration_pages.h"
#include "platform/widgets/cursor_table_model.h"
#include "platform/widgets/field_binder.h"

#include <QDialog>
#include <QHash>

#include <memory>

class CursorNavigator;
class DeclarationPrintout;
class PrinterList;
class QAction;
class QLabel;
class QTabWidget;
class QTableView;
class QToolBar;
class TDANE;
class TPIT5F5;
class TPIT5F6;
class TPIT5F7;

class TPIT5F final : public QDialog {
    Q_OBJECT

public:
    explicit TPIT5F(TDANE &dane, QWidget *parent = nullptr);
    ~TPIT5F() override;

    // Shows the window maximised until it is closed.
    void execute();

    // Handlers.
    void FormShow();
    void FormActivate();
    void ZmienPodatek();
    void Ustalkolor(QWidget *control, bool flatRate);
    void NowaDeklaracjaClick();
    void ZapiszDeklaracjeClick();
    void KopiujDeklaracjeClick();
    void ImportDanychClick();
    void UsunDeklaracjeClick();
    void DanePodatnikowClick();
    void DaneDoNaliczeniaClick();
    void PodgladClick(int page);
    void WydrukDeklaracjiClick();
    void StatusRefresh();
    void done(int result) override;

    // For whoever drives the window without a mouse.
    QAction *action(const QString &text) const;
    QWidget *control(const QString &field) const { return controls_.boxes.value(field); }
    const QList<QGroupBox *> &zoneAndRentalGroups() const { return controls_.hiddenForFlatRate; }
    QTabWidget *pages() const { return pages_; }
    QTableView *taxpayerGrid() const { return taxpayerGrid_; }
    QTableView *declarationGrid() const { return declarationGrid_; }
    CursorNavigator *navigator() const { return navigator_; }
    QLabel *periodPanel() const { return periodPanel_; }
    QLabel *taxpayerPanel() const { return taxpayerPanel_; }
    TPIT5F5 &constantsWindow();
    TPIT5F6 &monthDialog();
    TPIT5F7 &taxpayersWindow();
    DeclarationPrintout &printout();
    // Where "Wydruk deklaracji" prints; the system's printers when none is given.
    void setPrinters(PrinterList *printers) { printers_ = printers; }

protected:
    bool event(QEvent *event) override;

private:
    QToolBar *declarationToolBar();
    QToolBar *printToolBar();
    QWidget *taxpayerList();
    QWidget *declarationIndex();
    QAction *addAction(QToolBar *bar, const QString &text, void (TPIT5F::*handler)());

    TDANE &dane_;
    FieldBinder binder_;
    CursorTableModel taxpayers_;
    CursorTableModel declarations_;
    QTabWidget *pages_;
    DeclarationControls controls_;
    QTableView *taxpayerGrid_ = nullptr;
    QTableView *declarationGrid_ = nullptr;
    CursorNavigator *navigator_ = nullptr;
    QLabel *periodPanel_ = nullptr;
    QLabel *taxpayerPanel_ = nullptr;
    QHash<QString, QAction *> actions_;
    TPIT5F5 *constantsWindow_ = nullptr;
    TPIT5F6 *monthDialog_ = nullptr;
    TPIT5F7 *taxpayersWindow_ = nullptr;
    std::unique_ptr<DeclarationPrintout> printout_;
    PrinterList *printers_ = nullptr;
    std::unique_ptr<PrinterList> systemPrinters_;
    Cursor::Bookmark shownTaxpayer_; // whose method the boxes show
};
