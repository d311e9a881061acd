#include "pit5/windows/tpit5f.h"

#include "core/data_module.h"
#include "pit5/declaration_printout.h"
#include "pit5/declaration_workflow.h"
#include "pit5/pit5_help.h"
#include "pit5/tax_method.h"
#include "pit5/taxpayer_register.h"
#include "pit5/windows/tpit5f5.h"
#include "pit5/windows/tpit5f6.h"
#include "pit5/windows/tpit5f7.h"
#include "platform/print/printer_list.h"
#include "platform/shell.h"
#include "platform/widgets/cursor_navigator.h"
#include "platform/widgets/guarded_handler.h"
#include "platform/widgets/report_preview.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QList<CursorTableModel::Column> taxpayerColumns()
{
    return {{QStringLiteral("NR"), QStringLiteral("NR"), {}},
            {QStringLiteral("NAZWISKO"), QStringLiteral("NAZWISKO"), {}},
            {QStringLiteral("IMIE"), QStringLiteral("IMIE"), {}}};
}

QList<CursorTableModel::Column> declarationColumns()
{
    return {{QStringLiteral("MC"), QStringLiteral("MC"), {}},
            {QStringLiteral("P1"), QStringLiteral("NIP"), {}},
            {QStringLiteral("P6"), QStringLiteral("NAZWISKO"), {}},
            {QStringLiteral("P7"), QStringLiteral("IMIĘ"), {}},
            {QStringLiteral("O133"), QStringLiteral("DATA WYPEŁNIENIA"), {}}};
}

QTableView *readOnlyGrid(CursorTableModel *model, Prompter &prompter, QWidget *parent)
{
    auto *grid = new QTableView(parent);
    grid->setModel(model);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    followCursor(grid, model, prompter);
    return grid;
}

} // namespace

TPIT5F::TPIT5F(TDANE &dane, QWidget *parent)
    : QDialog(parent), dane_(dane), binder_(dane.TDEK, dane.prompter()),
      taxpayers_(dane.TOSOBA, taxpayerColumns()), declarations_(dane.TDEK, declarationColumns()),
      pages_(new QTabWidget(this))
{
    setObjectName(QStringLiteral("TPIT5F"));
    setWindowTitle(QStringLiteral("Deklaracja PIT 5"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);

    auto *menu = new QMenuBar(this);
    menu->addAction(QStringLiteral("Dane o Podatnikach"), this,
                    Guarded(dane_.prompter(), this, &TPIT5F::DanePodatnikowClick));
    menu->addAction(QStringLiteral("Dane do naliczenia podatku"), this,
                    Guarded(dane_.prompter(), this, &TPIT5F::DaneDoNaliczeniaClick));
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            Guarded(dane_.prompter(), [this] {
                DesktopShell shell;
                OpenDocument(QCoreApplication::applicationDirPath(), Pit5HelpDocument, shell,
                             dane_.prompter());
            }));

    pages_->addTab(declarationIndex(), QStringLiteral("INDEKS"));
    controls_ = BuildDeclarationPages(pages_, binder_);
    pages_->setUsesScrollButtons(false);

    navigator_ = new CursorNavigator(dane_.TDEK, dane_.prompter(),
                                     CursorNavigator::Moving | CursorNavigator::Delete
                                         | CursorNavigator::Refresh,
                                     this);
    navigator_->setDeleteQuestion(QStringLiteral("Czy skasować deklarację ?"));

    auto *status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    status->addWidget(new QLabel(this), 1);
    periodPanel_ = new QLabel(this);
    taxpayerPanel_ = new QLabel(this);
    periodPanel_->setMinimumWidth(150);
    taxpayerPanel_->setMinimumWidth(300);
    status->addWidget(periodPanel_);
    status->addWidget(taxpayerPanel_);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    layout->addWidget(declarationToolBar());
    layout->addWidget(printToolBar());
    layout->addWidget(taxpayerList());
    layout->addWidget(pages_, 1);
    layout->addWidget(navigator_);
    layout->addWidget(status);

    for (auto signal : {&Cursor::currentChanged, &Cursor::rowsReset})
        connect(&dane_.TDEK, signal, this, Guarded(dane_.prompter(), this, &TPIT5F::StatusRefresh));
    connect(&dane_.TDEK, &Cursor::fieldChanged, this, Guarded(dane_.prompter(), this, &TPIT5F::StatusRefresh));
    connect(&dane_.TDEK, &Cursor::stateChanged, this, Guarded(dane_.prompter(), this, &TPIT5F::StatusRefresh));
    // Another taxpayer brings another tax method. While the register is open over this
    // window, its moves wait: the method is applied once the register closes.
    connect(&dane_.TOSOBA, &Cursor::currentChanged, this, Guarded(dane_.prompter(), [this] {
        const QWidget *modal = QApplication::activeModalWidget();
        const Cursor::Bookmark taxpayer = dane_.TOSOBA.bookmark();
        if (!isVisible() || dane_.TOSOBA.isEditing() || (modal && modal != this)
            || taxpayer == shownTaxpayer_)
            return;
        ZmienPodatek();
    }));
    StatusRefresh();
}

TPIT5F::~TPIT5F() = default;

void TPIT5F::execute()
{
    FormShow();
    showMaximized();
    exec();
}

QAction *TPIT5F::addAction(QToolBar *bar, const QString &text, void (TPIT5F::*handler)())
{
    QAction *action = bar->addAction(text, this, Guarded(dane_.prompter(), this, handler));
    actions_.insert(text, action);
    return action;
}

QAction *TPIT5F::action(const QString &text) const
{
    return actions_.value(text);
}

QToolBar *TPIT5F::declarationToolBar()
{
    auto *bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    addAction(bar, QStringLiteral("Nowa deklaracja"), &TPIT5F::NowaDeklaracjaClick);
    addAction(bar, QStringLiteral("Zapisz deklarację"), &TPIT5F::ZapiszDeklaracjeClick);
    addAction(bar, QStringLiteral("Kopiuj deklarację"), &TPIT5F::KopiujDeklaracjeClick);
    addAction(bar, QStringLiteral("Import danych"), &TPIT5F::ImportDanychClick);
    addAction(bar, QStringLiteral("Usuń deklarację"), &TPIT5F::UsunDeklaracjeClick);
    return bar;
}

QToolBar *TPIT5F::printToolBar()
{
    auto *bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (int page = 1; page <= 4; ++page) {
        const QString text = QStringLiteral("Podgląd str. %1").arg(page);
        actions_.insert(text, bar->addAction(text, this, Guarded(dane_.prompter(), [this, page] {
                                                 PodgladClick(page);
                                             })));
    }
    addAction(bar, QStringLiteral("Wydruk deklaracji"), &TPIT5F::WydrukDeklaracjiClick);
    return bar;
}

QWidget *TPIT5F::taxpayerList()
{
    taxpayerGrid_ = readOnlyGrid(&taxpayers_, dane_.prompter(), this);
    taxpayerGrid_->setObjectName(QStringLiteral("DBGridPodatnicy"));
    taxpayerGrid_->setFixedHeight(taxpayerGrid_->fontMetrics().lineSpacing() * 7);
    taxpayerGrid_->setColumnWidth(0, 60);
    taxpayerGrid_->setColumnWidth(1, 220);
    connect(taxpayerGrid_, &QTableView::doubleClicked, this,
            Guarded(dane_.prompter(), this, &TPIT5F::DanePodatnikowClick));
    return taxpayerGrid_;
}

QWidget *TPIT5F::declarationIndex()
{
    declarationGrid_ = readOnlyGrid(&declarations_, dane_.prompter(), this);
    declarationGrid_->setObjectName(QStringLiteral("DBGridIndeks"));
    return declarationGrid_;
}

void TPIT5F::FormShow()
{
    setWindowTitle(DeclarationWindowCaption(dane_));
    pages_->setCurrentIndex(0);
    binder_.refresh();
    StatusRefresh();
    ZmienPodatek();
}

void TPIT5F::FormActivate()
{
    ZmienPodatek();
}

bool TPIT5F::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        RunHandler(dane_.prompter(), [this] { FormActivate(); });
    return QDialog::event(event);
}

void TPIT5F::ZmienPodatek()
{
    shownTaxpayer_ = dane_.TOSOBA.isOpen() ? dane_.TOSOBA.bookmark() : Cursor::Bookmark();
    const std::optional<bool> flatRate = SettleTaxMethod(dane_, dane_.prompter());
    if (!flatRate)
        return;
    for (const QString &field : FlatRateLockedFields())
        if (QWidget *box = control(field))
            Ustalkolor(box, *flatRate);
    for (QGroupBox *group : controls_.hiddenForFlatRate)
        group->setVisible(!*flatRate);
    action(QStringLiteral("Podgląd str. 4"))->setEnabled(!*flatRate);
}

void TPIT5F::Ustalkolor(QWidget *control, bool flatRate)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->setReadOnly(flatRate);
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
        memo->setReadOnly(flatRate);
    QPalette colours = control->palette();
    colours.setColor(QPalette::Base, flatRate ? QColor(0xC0, 0xC0, 0xC0)
                                              : palette().color(QPalette::Base));
    control->setPalette(colours);
}

void TPIT5F::StatusRefresh()
{
    periodPanel_->setText(DeclarationPeriodText(dane_));
    taxpayerPanel_->setText(DeclarationTaxpayerText(dane_));
}

void TPIT5F::NowaDeklaracjaClick()
{
    binder_.updateRecord();
    switch (NewDeclaration(dane_, dane_.prompter())) {
    case NewDeclarationResult::OpenTaxpayers:
        taxpayersWindow().execute();
        break;
    case NewDeclarationResult::Created:
        pages_->setCurrentIndex(1);
        monthDialog().execute();
        break;
    case NewDeclarationResult::NoTaxpayer:
        break;
    }
}

void TPIT5F::ZapiszDeklaracjeClick()
{
    binder_.updateRecord();
    if (SaveDeclaration(dane_, dane_.prompter()))
        StatusRefresh();
}

void TPIT5F::KopiujDeklaracjeClick()
{
    binder_.updateRecord();
    if (CopyDeclaration(dane_, dane_.prompter()))
        StatusRefresh();
}

void TPIT5F::ImportDanychClick()
{
    binder_.updateRecord();
    if (ImportLedgerData(dane_, dane_.prompter()))
        StatusRefresh();
}

void TPIT5F::UsunDeklaracjeClick()
{
    DeleteDeclaration(dane_, dane_.prompter());
}

void TPIT5F::DanePodatnikowClick()
{
    taxpayersWindow().execute();
    ZmienPodatek();
}

void TPIT5F::DaneDoNaliczeniaClick()
{
    constantsWindow().execute();
}

// Closing by the close box, Escape or a button all end here.
void TPIT5F::done(int result)
{
    // A change that could not be saved was reported and dropped; the window closes anyway.
    RunHandler(dane_.prompter(), [this] {
        binder_.updateRecord();
        static_cast<void>(CloseDeclaration(dane_, dane_.prompter()));
    });
    QDialog::done(result);
}

void TPIT5F::PodgladClick(int page)
{
    binder_.updateRecord();
    if (Report *report = PrepareDeclarationPreview(dane_, printout(), page))
        previewReport(*report, dane_.prompter(), this);
}

void TPIT5F::WydrukDeklaracjiClick()
{
    binder_.updateRecord();
    PrintDeclaration(dane_, printout(), GivenOrSystemPrinters(printers_, systemPrinters_));
}

DeclarationPrintout &TPIT5F::printout()
{
    if (!printout_)
        printout_ = std::make_unique<DeclarationPrintout>(dane_.TDEK);
    return *printout_;
}

TPIT5F5 &TPIT5F::constantsWindow()
{
    if (!constantsWindow_)
        constantsWindow_ = new TPIT5F5(dane_, this);
    return *constantsWindow_;
}

TPIT5F6 &TPIT5F::monthDialog()
{
    if (!monthDialog_)
        monthDialog_ = new TPIT5F6(dane_, this);
    return *monthDialog_;
}

TPIT5F7 &TPIT5F::taxpayersWindow()
{
    if (!taxpayersWindow_)
        taxpayersWindow_ = new TPIT5F7(dane_, this);
    return *taxpayersWindow_;
}
