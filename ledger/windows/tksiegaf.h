#pragma once
// The ledger window, the program's main window: the entries of the working month (or the
// whole year) in the grid `DBKSIEG` with the columns of the year's book, the month buttons, the
// record commands, searching and sorting, and the menu from which every other function of
// the program starts. Closing it ends the program.
//
//   TKSIEGAF main(dane);
//   main.setProgress(&progressWindow);   // once the progress window exists
//   main.setPrintEngine(&engine);        // once the print engine exists
//   main.showMaximized();

#include "platform/progress.h"
#include "platform/shell.h"

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>

class FieldBinder;
class GroupedHeaderView;
class LedgerGridModel;
class LedgerPrintout;
class QtLedgerPrintDevices;
class Report;
class QAbstractButton;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QToolButton;
class TARCHF;
class TAWARIAF;
class TDANE;
class TDRUK;
class TFIRMAF;
class TKONF;
class TKSIEGAF1;
class TKSIEGAF2;
class TKSIEGAF3;
class TKSIEGAF8;
class TKSIEGAF9;
class TKsiegaD3;
class TKSIEGAF6;
class TOPISZGF;
class TPIT5F;
class TROKF;
enum class CompanionProgram;
struct ImportResult;

class TKSIEGAF : public QMainWindow {
    Q_OBJECT

public:
    explicit TKSIEGAF(TDANE &dane, QWidget *parent = nullptr);
    ~TKSIEGAF() override;

    void setProgress(Progress *progress) { progress_ = progress ? progress : &silent_; }
    void setPrintEngine(TDRUK *engine);
    // Where companion programs start and documents open; the desktop's by default.
    void setShell(Shell *shell) { shell_ = shell ? shell : &desktop_; }
    // Asks where a file is to be written, offering `suggested`; empty when the user cancels.
    // The program shows a file dialog.
    using SaveFileChooser = std::function<QString(const QString &suggested)>;
    void setSaveFileChooser(SaveFileChooser chooser) { chooseSaveFile_ = std::move(chooser); }

    // Caption, year and operator panels, as the window shows them after any change of the
    // firm, the year or the user.
    void FormShow();
    // Month selection: a month button selects its month; any other sender (none) refreshes
    // the view of the working month and keeps the current entry.
    void M01Click(QAbstractButton *sender);
    // The month view as other commands leave it: posting, unposting, copying, year change.
    void refreshMonthView() { M01Click(nullptr); }

    // Record commands of the grid, its context menu and the toolbar.
    void Nowyzapis1Click();
    void Edytujzapis1Click();
    void Kopiujzapis1Click();
    void Anulujzapis1Click();
    void Przenumeruj1Click();
    void DBKSIEGTitleClick(int column);
    void DBKSIEGContextPopup(const QPoint &position);
    void NAGLOWEKClick();
    void ENRChange(const QString &text);
    void EKSIEGChange(const QString &text);
    void EKONTRChange(const QString &text);

    // Menu commands served here.
    void Ksigowaniebiece1Click();
    void Ksigowaniemiesica1Click();
    void Odksigowaniemiesica1Click();
    void Zestawieniezbiorcze1Click();
    void Kasowaniedanychdemonstracyjnych1Click();
    void PIT51Click();
    void Opiszdarzeniagospodarczego1Click();
    void KatalogKontrahentw1Click();
    void Zmianauytkownika1Click();
    void DaneoFirmie1Click();
    void ArchiwowanieOdtwarzanie1Click();
    void NaprawaIndeksw1Click();
    void Spisznatury1Click();
    void JPKPKPIR1Click();
    void Zmianaroku1Click();
    void Otwarcieroku1Click();
    void EwidencjaVAT1Click();
    void Zivedez1Click();
    void Przelewy1Click();
    void Ewidencjaprzebiegupojazdu2Click();
    void rodkiTrwaeiWyposaenie1Click();
    void Pomoc1Click();
    void Oprogramie1Click();
    void Przeczytajrozporzdzenie1Click();
    void Wydrukksigi1Click();
    void Podgldstr11Click();
    void Podgldstr21Click();
    void Stronatytuowaksigi1Click();
    void Wydrukowiadczenia1Click();
    void Parametrywydruku1Click();
    void Parametryprogramu1Click();
    void Sprzeda1Click();
    void Zakupy1Click();
    void Ewidencjaprzebiegupojazdu1Click();
    void Amortyzacja1Click();

    // Widgets, for whoever drives the window without a mouse.
    QLabel *hintPanel() const { return hint_; }
    QLabel *yearPanel() const { return year_; }
    QLabel *operatorPanel() const { return operator_; }
    QLabel *postingPanel() const { return posting_; }
    QLabel *title() const { return title_; }
    QTableView *grid() const { return DBKSIEG_; }
    LedgerGridModel &model() const { return *model_; }
    GroupedHeaderView *header() const { return header_; }
    QPushButton *monthButton(int month) const { return months_.value(month - 1); }
    QToolButton *headingToggle() const { return NAGLOWEK_; }
    QAction *zak() const { return ZAK_; }
    // A menu command by "Menu/Command" ("Zadania/Księgowanie miesiąca"), a context-menu
    // command by "Kontekst/Command", a toolbar button by "Pasek/Hint".
    QAction *action(const QString &path) const { return actions_.value(path); }
    QMenu *contextMenu() const { return context_; }
    QLineEdit *searchBox(const QString &name) const;
    QLabel *updaterLabel() const { return updater_; }
    QPlainTextEdit *remarks() const { return remarks_; }
    // The entry editor, made on first use.
    TKSIEGAF1 &editor();

protected:
    bool event(QEvent *event) override;

private:
    void buildMenu();
    void buildToolBar();
    QWidget *buildCentre();
    QWidget *buildMonthButtons(QWidget *parent);
    QWidget *buildBottomPanel(QWidget *parent);
    QLabel *addPanel(const QString &text, int width);
    QAction *addCommand(QMenu *menu, const QString &path, std::function<void()> handler);
    void renderMonthView();
    // The columns of the working year's book with their start headings and widths.
    void showBook();
    void placeSearchBoxes();
    void applyHeadings();
    void openEditor();
    TOPISZGF &dictionary();
    bool chooseContractor();
    void startCompanion(CompanionProgram program);
    // After a restore or an index repair ran the start sequence again.
    void tablesReopened();
    LedgerPrintout &printout();
    QtLedgerPrintDevices &printDevices();
    void openDocument(const QString &document);
    // The import commands are offered while the companion tables they read are open.
    void offerImports();
    void importDone(const ImportResult &result);
    // Runs a handler; an engine failure is shown instead of ending the program.
    void run(const std::function<void()> &handler);

    TDANE &dane_;
    SilentProgress silent_;
    Progress *progress_ = &silent_;
    DesktopShell desktop_;
    Shell *shell_ = &desktop_;
    SaveFileChooser chooseSaveFile_;
    TDRUK *printEngine_ = nullptr;

    LedgerGridModel *model_;
    FieldBinder *binder_;
    QTableView *DBKSIEG_ = nullptr;
    GroupedHeaderView *header_ = nullptr;
    QList<QPushButton *> months_;
    QLabel *title_ = nullptr;
    QToolButton *NAGLOWEK_ = nullptr;
    QAction *ZAK_ = nullptr;
    QMenu *context_ = nullptr;
    QHash<QString, QAction *> actions_;
    QWidget *searchRow_ = nullptr;
    QLineEdit *ENR_ = nullptr;
    QLineEdit *EKSIEG_ = nullptr;
    QLineEdit *EKONTR_ = nullptr;
    QLabel *updater_ = nullptr;
    QPlainTextEdit *remarks_ = nullptr;
    QLabel *hint_;
    QLabel *year_;
    QLabel *operator_;
    QLabel *posting_;

    std::unique_ptr<TKSIEGAF1> editor_;
    std::unique_ptr<TOPISZGF> dictionary_;
    std::unique_ptr<TKONF> catalogue_;
    std::unique_ptr<TFIRMAF> firm_;
    std::unique_ptr<TKSIEGAF2> users_;
    std::unique_ptr<TKSIEGAF3> summary_;
    std::unique_ptr<TPIT5F> declarations_;
    std::unique_ptr<TARCHF> archive_;
    std::unique_ptr<TAWARIAF> repair_;
    std::unique_ptr<LedgerPrintout> printout_;
    std::unique_ptr<QtLedgerPrintDevices> printDevices_;
    std::unique_ptr<Report> titlePage_;
    std::unique_ptr<TKsiegaD3> statement_;
    std::unique_ptr<TKSIEGAF8> printParameters_;
    std::unique_ptr<TKSIEGAF9> programParameters_;
    std::unique_ptr<TKSIEGAF6> yearChange_;
    std::unique_ptr<TROKF> yearOpening_;
};
