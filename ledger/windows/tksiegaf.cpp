#include "ledger/windows/tksiegaf.h"

#include "contractors/windows/tkonf.h"
#include "core/book_form.h"
#include "core/data_module.h"
#include "core/table_access.h"
#include "firm/firm_logo.h"
#include "firm/firm_record.h"
#include "firm/users.h"
#include "firm/windows/tfirmaf.h"
#include "firm/windows/tksiegaf2.h"
#include "imports/windows/tksiegaf9.h"
#include "jpk/jpk_export.h"
#include "ledger/companion_programs.h"
#include "ledger/delete_all.h"
#include "ledger/entry_operations.h"
#include "ledger/ledger_search.h"
#include "ledger/ledger_view.h"
#include "ledger/month_view.h"
#include "ledger/posting.h"
#include "ledger/record_operations.h"
#include "ledger/windows/ledger_grid_model.h"
#include "ledger/windows/tksiegaf1.h"
#include "ledger/windows/tksiegaf3.h"
#include "ledger/windows/tspisf.h"
#include "ledger/windows/topiszgf.h"
#include "maintenance/windows/tarchf.h"
#include "maintenance/windows/tawariaf.h"
#include "maintenance/windows/tksiegaf6.h"
#include "maintenance/windows/trokf.h"
#include "platform/app_info.h"
#include "platform/prompter.h"
#include "platform/widgets/field_binder.h"
#include "pit5/windows/tpit5f.h"
#include "platform/widgets/grouped_header_view.h"
#include "platform/print/report.h"
#include "print/ledger_printout.h"
#include "platform/widgets/guarded_handler.h"
#include "print/print_engine.h"
#include "print/windows/qt_ledger_print_devices.h"
#include "print/windows/tksiegad3.h"
#include "print/windows/tksiegaf8.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QColor PostedColour(0xC0, 0xDC, 0xC0);
const QColor OpenSelection(0xFF, 0x00, 0x00);
const QColor PostedSelection(0xFF, 0x00, 0xFF);

// The search boxes below the grid, each under the column of the field it searches.
struct SearchBox {
    const char *name;
    const char *field;
    const char *hint;
};
const SearchBox SearchBoxes[] = {{"ENR", "LP", "Szukaj według L.p."},
                                 {"EKSIEG", "NRKSIEG", "Szukaj według numeru dowodu księgowego"},
                                 {"EKONTR", "NAZ1", "Szukaj według kontrahenta"}};

} // namespace

TKSIEGAF::TKSIEGAF(TDANE &dane, QWidget *parent) : QMainWindow(parent), dane_(dane)
{
    setObjectName(QStringLiteral("TKSIEGAF"));
    chooseSaveFile_ = [this](const QString &suggested) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("JPK_PKPIR"), suggested,
                                            QStringLiteral("Pliki XML (*.xml)"));
    };
    model_ = new LedgerGridModel(dane.TKSIEGA, BookFormOfYear(dane.environment().workingYear), this);
    binder_ = new FieldBinder(dane.TKSIEGA, dane.prompter(), this);
    hint_ = addPanel(QStringLiteral("pomocnik"), 300);
    year_ = addPanel(QStringLiteral("rok"), 70);
    operator_ = addPanel(QStringLiteral("operator"), 150);
    posting_ = addPanel(QStringLiteral("data zamknięcia "), 100);
    buildMenu();
    buildToolBar();
    setCentralWidget(buildCentre());
    setPrintEngine(nullptr);
    resize(1024, 700);
    FormShow();
    M01Click(monthButton(WorkingMonthNumber(dane.environment())));
}

TKSIEGAF::~TKSIEGAF() = default;

QLabel *TKSIEGAF::addPanel(const QString &text, int width)
{
    auto *panel = new QLabel(text, this);
    panel->setMinimumWidth(width);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar()->addWidget(panel, width == 300 ? 1 : 0);
    return panel;
}

QAction *TKSIEGAF::addCommand(QMenu *menu, const QString &path, std::function<void()> handler)
{
    QAction *action = menu->addAction(path.section(QLatin1Char('/'), 1));
    // A command whose function is not in the program yet stays in its place, greyed.
    action->setEnabled(bool(handler));
    if (handler)
        connect(action, &QAction::triggered, this, [this, handler] { run(handler); });
    actions_.insert(path, action);
    return action;
}

void TKSIEGAF::buildMenu()
{
    QMenu *tasks = menuBar()->addMenu(QStringLiteral("Zadania"));
    addCommand(tasks, QStringLiteral("Zadania/Księgowanie bieżące"), [this] { Ksigowaniebiece1Click(); });
    addCommand(tasks, QStringLiteral("Zadania/Księgowanie miesiąca"), [this] { Ksigowaniemiesica1Click(); });
    addCommand(tasks, QStringLiteral("Zadania/Odksięgowanie miesiąca"),
               [this] { Odksigowaniemiesica1Click(); });
    addCommand(tasks, QStringLiteral("Zadania/Zestawienie zbiorcze"), [this] { Zestawieniezbiorcze1Click(); });

    QMenu *prints = menuBar()->addMenu(QStringLiteral("Wydruki"));
    addCommand(prints, QStringLiteral("Wydruki/Wydruk księgi"), [this] { Wydrukksigi1Click(); });
    addCommand(prints, QStringLiteral("Wydruki/Podgląd str 1"), [this] { Podgldstr11Click(); });
    addCommand(prints, QStringLiteral("Wydruki/Podgląd str 2"), [this] { Podgldstr21Click(); });
    addCommand(prints, QStringLiteral("Wydruki/Strona tytułowa księgi"), [this] { Stronatytuowaksigi1Click(); });
    addCommand(prints, QStringLiteral("Wydruki/Wydruk oświadczenia"), [this] { Wydrukowiadczenia1Click(); });
    addCommand(prints, QStringLiteral("Wydruki/JPK_PKPIR"), [this] { JPKPKPIR1Click(); });

    QMenu *dictionaries = menuBar()->addMenu(QStringLiteral("Słowniki"));
    addCommand(dictionaries, QStringLiteral("Słowniki/Opis zdarzenia gospodarczego"),
               [this] { Opiszdarzeniagospodarczego1Click(); });
    addCommand(dictionaries, QStringLiteral("Słowniki/Katalog Kontrahentów"),
               [this] { KatalogKontrahentw1Click(); });

    QMenu *tools = menuBar()->addMenu(QStringLiteral("Narzędzia"));
    addCommand(tools, QStringLiteral("Narzędzia/Zmiana użytkownika"), [this] { Zmianauytkownika1Click(); });
    addCommand(tools, QStringLiteral("Narzędzia/Dane o Firmie"), [this] { DaneoFirmie1Click(); });
    addCommand(tools, QStringLiteral("Narzędzia/Spis z natury"), [this] { Spisznatury1Click(); });
    addCommand(tools, QStringLiteral("Narzędzia/Parametry wydruku"), [this] { Parametrywydruku1Click(); });
    addCommand(tools, QStringLiteral("Narzędzia/Parametry programu"), [this] { Parametryprogramu1Click(); });
    addCommand(tools, QStringLiteral("Narzędzia/Archiwowanie / Odtwarzanie"),
               [this] { ArchiwowanieOdtwarzanie1Click(); });
    addCommand(tools, QStringLiteral("Narzędzia/Kasowanie danych demonstracyjnych"),
               [this] { Kasowaniedanychdemonstracyjnych1Click(); });
    addCommand(tools, QStringLiteral("Narzędzia/Naprawa Indeksów"), [this] { NaprawaIndeksw1Click(); });
    addCommand(tools, QStringLiteral("Narzędzia/Zmiana roku"), [this] { Zmianaroku1Click(); });
    addCommand(tools, QStringLiteral("Narzędzia/Otwarcie roku"), [this] { Otwarcieroku1Click(); });

    QMenu *imports = menuBar()->addMenu(QStringLiteral("Import danych"));
    addCommand(imports, QStringLiteral("Import danych/Sprzedaż"), [this] { Sprzeda1Click(); });
    addCommand(imports, QStringLiteral("Import danych/Zakupy"), [this] { Zakupy1Click(); });
    addCommand(imports, QStringLiteral("Import danych/Ewidencja przebiegu pojazdu"),
               [this] { Ewidencjaprzebiegupojazdu1Click(); });
    addCommand(imports, QStringLiteral("Import danych/Amortyzacja"), [this] { Amortyzacja1Click(); });

    QMenu *programs = menuBar()->addMenu(QStringLiteral("Programy"));
    addCommand(programs, QStringLiteral("Programy/Ewidencja VAT"), [this] { EwidencjaVAT1Click(); });
    addCommand(programs, QStringLiteral("Programy/Zivedez"), [this] { Zivedez1Click(); });
    addCommand(programs, QStringLiteral("Programy/Przelewy"), [this] { Przelewy1Click(); });
    addCommand(programs, QStringLiteral("Programy/Ewidencja przebiegu pojazdu"),
               [this] { Ewidencjaprzebiegupojazdu2Click(); });
    addCommand(programs, QStringLiteral("Programy/Środki Trwałe i Wyposażenie"),
               [this] { rodkiTrwaeiWyposaenie1Click(); });

    QMenu *declarations = menuBar()->addMenu(QStringLiteral("Deklaracje"));
    addCommand(declarations, QStringLiteral("Deklaracje/PIT 5"), [this] { PIT51Click(); });

    QMenu *help = menuBar()->addMenu(QStringLiteral("Pomoc"));
    addCommand(help, QStringLiteral("Pomoc/Pomoc"), [this] { Pomoc1Click(); })
        ->setShortcut(QKeySequence(Qt::Key_F1));
    addCommand(help, QStringLiteral("Pomoc/O programie"), [this] { Oprogramie1Click(); });
    addCommand(help, QStringLiteral("Pomoc/Przeczytaj rozporządzenie"),
               [this] { Przeczytajrozporzdzenie1Click(); });

    context_ = new QMenu(this);
    addCommand(context_, QStringLiteral("Kontekst/Nowy zapis"), [this] { Nowyzapis1Click(); });
    addCommand(context_, QStringLiteral("Kontekst/Edytuj zapis"), [this] { Edytujzapis1Click(); });
    addCommand(context_, QStringLiteral("Kontekst/Kopiuj zapis"), [this] { Kopiujzapis1Click(); });
    context_->addSeparator();
    addCommand(context_, QStringLiteral("Kontekst/Anuluj zapis"), [this] { Anulujzapis1Click(); });
    context_->addSeparator();
    addCommand(context_, QStringLiteral("Kontekst/Przenumeruj"), [this] { Przenumeruj1Click(); });
}

void TKSIEGAF::buildToolBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("Pasek"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    struct Button {
        QString hint;
        QStyle::StandardPixmap icon;
        std::function<void()> handler;
    };
    const Button buttons[] = {
        {QStringLiteral("Nowy wpis do księgi."), QStyle::SP_FileIcon, [this] { Nowyzapis1Click(); }},
        {QStringLiteral("Edycja wpisu do księgi."), QStyle::SP_FileDialogDetailedView,
         [this] { Edytujzapis1Click(); }},
        {QStringLiteral("Zestawienie zbiorcze danych"), QStyle::SP_FileDialogListView,
         [this] { Zestawieniezbiorcze1Click(); }},
        {QStringLiteral("Zmiana roku"), QStyle::SP_BrowserReload, [this] { Zmianaroku1Click(); }},
    };
    for (const Button &button : buttons) {
        QAction *action = bar->addAction(style()->standardIcon(button.icon), button.hint);
        action->setStatusTip(button.hint);
        action->setEnabled(bool(button.handler));
        if (button.handler)
            connect(action, &QAction::triggered, this, [this, handler = button.handler] { run(handler); });
        actions_.insert(QStringLiteral("Pasek/") + button.hint, action);
    }
    bar->addSeparator();
    auto *mark = new QToolButton(bar);
    mark->setObjectName(QStringLiteral("ZAK"));
    mark->setText(QStringLiteral("ZAKSIĘGOWANY !!!"));
    QFont font = mark->font();
    font.setBold(true);
    mark->setFont(font);
    QPalette palette = mark->palette();
    palette.setColor(QPalette::ButtonText, PostedSelection);
    mark->setPalette(palette);
    ZAK_ = bar->addWidget(mark);
}

QWidget *TKSIEGAF::buildCentre()
{
    auto *centre = new QWidget(this);
    auto *layout = new QVBoxLayout(centre);
    layout->setContentsMargins(4, 4, 4, 4);

    auto *titleRow = new QHBoxLayout;
    NAGLOWEK_ = new QToolButton(centre);
    NAGLOWEK_->setObjectName(QStringLiteral("NAGLOWEK"));
    NAGLOWEK_->setCheckable(true);
    NAGLOWEK_->setText(QStringLiteral("Nagłówki"));
    NAGLOWEK_->setStatusTip(QStringLiteral("Pełne lub skrócone nagłówki kolumn"));
    connect(NAGLOWEK_, &QToolButton::clicked, this, [this] { run([this] { NAGLOWEKClick(); }); });
    title_ = new QLabel(centre);
    title_->setObjectName(QStringLiteral("TYTUL"));
    QFont font = title_->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 3);
    title_->setFont(font);
    title_->setAlignment(Qt::AlignCenter);
    titleRow->addWidget(NAGLOWEK_);
    titleRow->addWidget(title_, 1);
    layout->addLayout(titleRow);
    layout->addWidget(buildMonthButtons(centre));

    DBKSIEG_ = new QTableView(centre);
    DBKSIEG_->setObjectName(QStringLiteral("DBKSIEG"));
    header_ = new GroupedHeaderView(DBKSIEG_);
    DBKSIEG_->setHorizontalHeader(header_);
    DBKSIEG_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBKSIEG_->verticalHeader()->hide();
    DBKSIEG_->setContextMenuPolicy(Qt::CustomContextMenu);
    followCursor(DBKSIEG_, model_, dane_.prompter());
    connect(header_, &QHeaderView::sectionClicked, this,
            [this](int section) { run([this, section] { DBKSIEGTitleClick(section + 1); }); });
    connect(DBKSIEG_, &QTableView::doubleClicked, this, [this] { run([this] { Edytujzapis1Click(); }); });
    connect(DBKSIEG_, &QTableView::customContextMenuRequested, this,
            [this](const QPoint &position) { run([this, position] { DBKSIEGContextPopup(position); }); });
    layout->addWidget(DBKSIEG_, 1);
    layout->addWidget(buildBottomPanel(centre));
    showBook();
    return centre;
}

QWidget *TKSIEGAF::buildMonthButtons(QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (int month = 1; month <= 13; ++month) {
        auto *button = new QPushButton(MonthButtonCaptions()[month - 1], row);
        button->setObjectName(QStringLiteral("M%1").arg(month, 2, 10, QLatin1Char('0')));
        button->setAutoFillBackground(true);
        connect(button, &QPushButton::clicked, this, [this, button] { M01Click(button); });
        layout->addWidget(button);
        months_ << button;
    }
    return row;
}

QWidget *TKSIEGAF::buildBottomPanel(QWidget *parent)
{
    auto *panel = new QWidget(parent);
    auto *layout = new QGridLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    searchRow_ = new QWidget(panel);
    ENR_ = new QLineEdit(searchRow_);
    EKSIEG_ = new QLineEdit(searchRow_);
    EKONTR_ = new QLineEdit(searchRow_);
    for (const SearchBox &box : SearchBoxes) {
        QLineEdit *edit = searchBox(QString::fromLatin1(box.name));
        edit->setObjectName(QString::fromLatin1(box.name));
        edit->setStatusTip(QString::fromUtf8(box.hint));
        edit->setToolTip(QString::fromUtf8(box.hint));
    }
    searchRow_->setFixedHeight(ENR_->sizeHint().height());
    connect(header_, &QHeaderView::sectionResized, searchRow_, [this] { placeSearchBoxes(); });
    connect(DBKSIEG_->horizontalScrollBar(), &QScrollBar::valueChanged, searchRow_,
            [this] { placeSearchBoxes(); });
    connect(ENR_, &QLineEdit::textChanged, this, [this](const QString &text) { run([this, text] { ENRChange(text); }); });
    connect(EKSIEG_, &QLineEdit::textChanged, this, [this](const QString &text) { run([this, text] { EKSIEGChange(text); }); });
    connect(EKONTR_, &QLineEdit::textChanged, this, [this](const QString &text) { run([this, text] { EKONTRChange(text); }); });
    layout->addWidget(searchRow_, 0, 0, 1, 2);

    auto *updaterCaption = new QLabel(QStringLiteral("Osoba aktualizująca :"), panel);
    updater_ = new QLabel(panel);
    updater_->setObjectName(QStringLiteral("NAZWISKO"));
    QFont bold = updater_->font();
    bold.setBold(true);
    updater_->setFont(bold);
    binder_->bindLabel(updater_, QStringLiteral("NAZWISKO"));
    auto *who = new QVBoxLayout;
    who->addWidget(updaterCaption);
    who->addWidget(updater_);
    who->addStretch();
    layout->addLayout(who, 1, 0);

    auto *remarksBox = new QVBoxLayout;
    remarksBox->addWidget(new QLabel(QStringLiteral("Uwagi :  "), panel));
    remarks_ = new QPlainTextEdit(panel);
    remarks_->setObjectName(QStringLiteral("UWAGI"));
    remarks_->setFixedHeight(remarks_->fontMetrics().lineSpacing() * 3 + 12);
    binder_->bindMemo(remarks_, QStringLiteral("UWAGI"));
    // A remark typed here is saved when its box is left, like any other change of an entry.
    // A remark that could not be saved has been reported and dropped with the save.
    binder_->setAfterAssign(remarks_, [this] {
        static_cast<void>(SaveTable(dane_.TKSIEGA, dane_.prompter()));
    });
    remarksBox->addWidget(remarks_);
    layout->addLayout(remarksBox, 1, 1);
    layout->setColumnStretch(1, 1);
    return panel;
}

QLineEdit *TKSIEGAF::searchBox(const QString &name) const
{
    if (name == QLatin1String("ENR"))
        return ENR_;
    if (name == QLatin1String("EKSIEG"))
        return EKSIEG_;
    if (name == QLatin1String("EKONTR"))
        return EKONTR_;
    return nullptr;
}

void TKSIEGAF::run(const std::function<void()> &handler)
{
    RunHandler(dane_.prompter(), handler);
}

bool TKSIEGAF::event(QEvent *event)
{
    // Hints of the controls show in the first panel of the status bar.
    if (event->type() == QEvent::StatusTip) {
        hint_->setText(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TKSIEGAF::FormShow()
{
    setWindowTitle(MainWindowCaption(QApplication::applicationName(), FirmShortName(dane_)));
    year_->setText(dane_.environment().workingYear);
    operator_->setText(OperatorPanelText(dane_.environment()));
    offerImports();
}

void TKSIEGAF::M01Click(QAbstractButton *sender)
{
    run([this, sender] {
        Cursor &ledger = dane_.TKSIEGA;
        if (!SaveTable(ledger, dane_.prompter()))
            return;
        const int index = months_.indexOf(static_cast<QPushButton *>(sender));
        if (index >= 0) {
            SelectWorkingMonth(dane_, QStringLiteral("%1").arg(index + 1, 2, 10, QLatin1Char('0')));
        } else {
            const Cursor::Bookmark place = ledger.isOpen() ? ledger.bookmark() : Cursor::Bookmark();
            SelectWorkingMonth(dane_, dane_.environment().workingMonth);
            if (place.isValid())
                ledger.gotoBookmark(place);
        }
    });
    renderMonthView();
}

void TKSIEGAF::renderMonthView()
{
    const WorkingEnvironment &environment = dane_.environment();
    const int selected = WorkingMonthNumber(environment);
    const QColor open = QApplication::palette().color(QPalette::Dark);
    for (int month = 1; month <= months_.size(); ++month) {
        QPushButton *button = months_[month - 1];
        const bool posted = month <= 12 && environment.monthPosted[month];
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Button, posted ? PostedColour : open);
        QFont font = QApplication::font();
        if (month == selected) {
            palette.setColor(QPalette::ButtonText, posted ? PostedSelection : OpenSelection);
            font.setBold(true);
        }
        button->setPalette(palette);
        button->setFont(font);
    }
    action(QStringLiteral("Zadania/Księgowanie miesiąca"))
        ->setEnabled(postingOffered(environment, environment.workingMonth));
    action(QStringLiteral("Zadania/Odksięgowanie miesiąca"))
        ->setEnabled(unpostingOffered(environment, environment.workingMonth));
    posting_->setText(PostingPanelText(environment));
    ZAK_->setVisible(ShowsPostedMonth(environment));
    title_->setText(LedgerTitle(environment));
}

void TKSIEGAF::showBook()
{
    model_->showBook(BookFormOfYear(dane_.environment().workingYear));
    const int character = DBKSIEG_->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const QList<LedgerColumn> &columns = model_->bookColumns();
    for (int column = 0; column < columns.size(); ++column)
        DBKSIEG_->setColumnWidth(column, columns[column].widthCharacters * character + 8);
    NAGLOWEK_->setChecked(false);
    applyHeadings();
    placeSearchBoxes();
}

void TKSIEGAF::placeSearchBoxes()
{
    const int left = DBKSIEG_->frameWidth();
    for (const SearchBox &box : SearchBoxes) {
        const int column = model_->fieldColumn(QString::fromLatin1(box.field));
        searchBox(QString::fromLatin1(box.name))
            ->setGeometry(left + header_->sectionViewportPosition(column), 0,
                          header_->sectionSize(column), searchRow_->height());
    }
}

void TKSIEGAF::applyHeadings()
{
    header_->setGroups(model_->groups());
    header_->setTitleLines(model_->titleLines());
}

void TKSIEGAF::NAGLOWEKClick()
{
    model_->setHeadingLayout(model_->headingLayout() == HeadingLayout::Full ? HeadingLayout::Brief
                                                                           : HeadingLayout::Full);
    NAGLOWEK_->setChecked(model_->headingLayout() == HeadingLayout::Brief);
    applyHeadings();
}

TKSIEGAF1 &TKSIEGAF::editor()
{
    if (!editor_) {
        editor_ = std::make_unique<TKSIEGAF1>(dane_, this);
        editor_->setCatalogue([this] { return chooseContractor(); });
        editor_->setDictionary([this] { dictionary().execute(); });
        editor_->setViewRefresh([this] { renderMonthView(); });
    }
    return *editor_;
}

TOPISZGF &TKSIEGAF::dictionary()
{
    if (!dictionary_)
        dictionary_ = std::make_unique<TOPISZGF>(dane_, this);
    return *dictionary_;
}

void TKSIEGAF::openEditor()
{
    editor().execute();
}

void TKSIEGAF::Nowyzapis1Click()
{
    if (NewEntry(dane_))
        openEditor();
}

void TKSIEGAF::Edytujzapis1Click()
{
    if (EditEntry(dane_))
        openEditor();
}

void TKSIEGAF::Kopiujzapis1Click()
{
    if (!CopyEntry(dane_))
        return;
    renderMonthView();
    openEditor();
}

void TKSIEGAF::Anulujzapis1Click()
{
    CancelEntry(dane_);
}

void TKSIEGAF::Przenumeruj1Click()
{
    // A failure has been reported; the view shows the book as it now is either way.
    static_cast<void>(Renumber(dane_, *progress_));
    renderMonthView();
}

void TKSIEGAF::DBKSIEGTitleClick(int column)
{
    SortLedgerByField(dane_, model_->columns().value(column - 1).field);
}

void TKSIEGAF::DBKSIEGContextPopup(const QPoint &position)
{
    if (RecordCommandsOffered(dane_))
        context_->popup(DBKSIEG_->viewport()->mapToGlobal(position));
}

void TKSIEGAF::ENRChange(const QString &text)
{
    SearchLedgerByNumber(dane_, text);
}

void TKSIEGAF::EKSIEGChange(const QString &text)
{
    SearchLedgerByDocument(dane_, text);
}

void TKSIEGAF::EKONTRChange(const QString &text)
{
    SearchLedgerByContractor(dane_, text);
}

void TKSIEGAF::setPrintEngine(TDRUK *engine)
{
    printEngine_ = engine;
    // The statement prints through the engine: without one there is nothing to show it with.
    for (const char *path : {"Zadania/Zestawienie zbiorcze", "Pasek/Zestawienie zbiorcze danych"})
        action(QString::fromUtf8(path))->setEnabled(engine != nullptr);
}

void TKSIEGAF::Ksigowaniebiece1Click()
{
    // A failure has been reported; the view shows the book as it now is either way.
    static_cast<void>(PostCurrent(dane_));
    refreshMonthView();
}

void TKSIEGAF::Ksigowaniemiesica1Click()
{
    // A failure has been reported; the view shows the book as it now is either way.
    static_cast<void>(PostMonth(dane_, dane_.environment().workingMonth));
    refreshMonthView();
}

void TKSIEGAF::Odksigowaniemiesica1Click()
{
    // A failure has been reported; the view shows the book as it now is either way.
    static_cast<void>(UnpostMonth(dane_, dane_.environment().workingMonth));
    refreshMonthView();
}

void TKSIEGAF::Zestawieniezbiorcze1Click()
{
    if (!printEngine_)
        return;
    if (!summary_)
        summary_ = std::make_unique<TKSIEGAF3>(dane_, *printEngine_, this);
    summary_->execute();
}

void TKSIEGAF::Kasowaniedanychdemonstracyjnych1Click()
{
    // A failure has been reported; the view shows the book as it now is either way.
    static_cast<void>(DeleteAllEntries(dane_));
    refreshMonthView();
}

void TKSIEGAF::PIT51Click()
{
    if (!declarations_)
        declarations_ = std::make_unique<TPIT5F>(dane_, this);
    declarations_->execute();
}

void TKSIEGAF::Opiszdarzeniagospodarczego1Click()
{
    dictionary().execute();
    if (editor_)
        editor_->FormCreate();
}

bool TKSIEGAF::chooseContractor()
{
    if (!catalogue_)
        catalogue_ = std::make_unique<TKONF>(dane_, this);
    catalogue_->setPrinters(printEngine_ ? &printEngine_->printers() : nullptr);
    return catalogue_->execute();
}

void TKSIEGAF::KatalogKontrahentw1Click()
{
    chooseContractor();
}

void TKSIEGAF::Zmianauytkownika1Click()
{
    if (!users_)
        users_ = std::make_unique<TKSIEGAF2>(dane_, this);
    users_->execute();
    operator_->setText(OperatorPanelText(dane_.environment()));
}

void TKSIEGAF::DaneoFirmie1Click()
{
    if (!firm_)
        firm_ = std::make_unique<TFIRMAF>(dane_, printEngine_ ? printEngine_->logo()
                                                              : LoadFirmLogo(dane_.environment().dataRoot),
                                          this);
    if (firm_->execute())
        setWindowTitle(MainWindowCaption(QApplication::applicationName(), FirmDataClosed(dane_)));
}

void TKSIEGAF::ArchiwowanieOdtwarzanie1Click()
{
    if (!archive_)
        archive_ = std::make_unique<TARCHF>(dane_, *progress_, this);
    if (archive_->execute())
        tablesReopened();
}

void TKSIEGAF::NaprawaIndeksw1Click()
{
    if (!repair_)
        repair_ = std::make_unique<TAWARIAF>(dane_, this);
    if (repair_->execute())
        tablesReopened();
}

void TKSIEGAF::tablesReopened()
{
    showBook();
    FormShow();
    M01Click(monthButton(WorkingMonthNumber(dane_.environment())));
}

void TKSIEGAF::Spisznatury1Click()
{
    TSPISF window(dane_.environment().yearDirectory(), dane_.prompter(), this);
    window.exec();
}

void TKSIEGAF::JPKPKPIR1Click()
{
    const QString suggested = QDir(dane_.environment().dataRoot)
                                  .absoluteFilePath(QStringLiteral("JPK_PKPIR_%1.xml")
                                                        .arg(dane_.environment().workingYear));
    JpkRequest request;
    request.file = chooseSaveFile_(suggested);
    if (request.file.isEmpty())
        return;
    request.schemaDirectory = InstalledJpkSchemaDirectory();
    if (const std::optional<JpkSummary> summary = ExportJpkPkpir(dane_, request, dane_.prompter()))
        dane_.prompter().inform(JpkSummaryText(*summary), QStringLiteral("JPK_PKPIR"));
}

void TKSIEGAF::Zmianaroku1Click()
{
    if (!yearChange_)
        yearChange_ = std::make_unique<TKSIEGAF6>(dane_, this);
    if (yearChange_->execute())
        tablesReopened();
}

void TKSIEGAF::Otwarcieroku1Click()
{
    if (!yearOpening_)
        yearOpening_ = std::make_unique<TROKF>(dane_, this);
    yearOpening_->execute();
}

void TKSIEGAF::startCompanion(CompanionProgram program)
{
    StartCompanionProgram(program, QDir::currentPath(), *shell_, dane_.prompter());
}

void TKSIEGAF::EwidencjaVAT1Click()
{
    startCompanion(CompanionProgram::VatRegister);
}

void TKSIEGAF::Zivedez1Click()
{
    startCompanion(CompanionProgram::Zivedez);
}

void TKSIEGAF::Przelewy1Click()
{
    startCompanion(CompanionProgram::Transfers);
}

void TKSIEGAF::Ewidencjaprzebiegupojazdu2Click()
{
    startCompanion(CompanionProgram::VehicleLog);
}

void TKSIEGAF::rodkiTrwaeiWyposaenie1Click()
{
    startCompanion(CompanionProgram::FixedAssets);
}

void TKSIEGAF::openDocument(const QString &document)
{
    OpenDocument(QCoreApplication::applicationDirPath(), document, *shell_, dane_.prompter());
}

void TKSIEGAF::Pomoc1Click()
{
    openDocument(HelpDocument);
}

void TKSIEGAF::Przeczytajrozporzdzenie1Click()
{
    openDocument(RegulationDocument);
}

void TKSIEGAF::Oprogramie1Click()
{
    QMessageBox::about(this, QStringLiteral("O programie"),
                       QStringLiteral("<b>%1</b><br>%2<br>wersja %3<br><br>Podatkowa Księga "
                                      "Przychodów i Rozchodów małej firmy, z deklaracją PIT-5.")
                           .arg(QStringLiteral(KSIEGA_PROGRAM_NAME), QApplication::applicationName(),
                                QStringLiteral(KSIEGA_VERSION)));
}
