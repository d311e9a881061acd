#include "contractors/windows/tkonf.h"

#include "contractors/contractor_catalogue.h"
#include "contractors/contractor_envelope.h"
#include "contractors/contractor_help.h"
#include "contractors/contractor_notes.h"
#include "contractors/contractor_numbers.h"
#include "contractors/contractor_search.h"
#include "contractors/windows/tkonf1.h"
#include "contractors/windows/tkonf4.h"
#include "contractors/windows/tkonf5.h"
#include "core/data_module.h"
#include "maintenance/windows/tfexpimp.h"
#include "platform/prompter.h"
#include "platform/print/printer_list.h"
#include "platform/shell.h"
#include "platform/widgets/cursor_navigator.h"
#include "platform/widgets/guarded_handler.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QList<ContractorColumn> SearchColumns = {ContractorColumn::Number, ContractorColumn::Nip,
                                               ContractorColumn::ShortName, ContractorColumn::Place};

QString fiveDigits(const QVariant &stored, const FieldDef &)
{
    return stored.isValid() ? ContractorNumberText(stored.toLongLong()) : QString();
}

} // namespace

TKONF::TKONF(TDANE &dane, QWidget *parent)
    : QDialog(parent), dane_(dane),
      model_(dane.TKontrah, {{QStringLiteral("NR"), QStringLiteral("NUMER"), fiveDigits},
                             {QStringLiteral("NIP"), QStringLiteral("NIP"), {}},
                             {QStringLiteral("SKROT"), QStringLiteral("SKRÓT NAZWY"), {}},
                             {QStringLiteral("MIEJSC"), QStringLiteral("MIEJSCOWOŚĆ"), {}}}),
      binder_(dane.TKontrah, dane.prompter())
{
    setObjectName(QStringLiteral("TKONF"));
    setWindowTitle(QStringLiteral("KATALOG KONTRAHENTÓW"));
    auto *panels = new QHBoxLayout;
    panels->addWidget(gridPanel(), 1);
    auto *right = new QVBoxLayout;
    right->addWidget(editPanel());
    right->addStretch();
    right->addWidget(buttonRow());
    panels->addLayout(right);

    auto *status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    count_ = new QLabel(this);
    count_->setMinimumWidth(160);
    status->addWidget(count_);

    auto *layout = new QVBoxLayout(this);
    buildMenu();
    layout->addLayout(panels, 1);
    layout->addWidget(status);
    connect(this, &QDialog::finished, this, Guarded(dane_.prompter(), this, &TKONF::FormClose));
    connect(&dane_.TKontrah, &Cursor::currentChanged, this, Guarded(dane_.prompter(), this, &TKONF::showNumber));
    connect(&dane_.TKontrah, &Cursor::rowsReset, this, Guarded(dane_.prompter(), this, &TKONF::showNumber));
    resize(1000, 560);
}

TKONF::~TKONF() = default;

QWidget *TKONF::gridPanel()
{
    auto *panel = new QWidget(this);
    DBGrid1_ = new QTableView(panel);
    DBGrid1_->setObjectName(QStringLiteral("DBGrid1"));
    followCursor(DBGrid1_, &model_, dane_.prompter());
    DBGrid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1_->verticalHeader()->hide();
    DBGrid1_->horizontalHeader()->setSectionsClickable(true);
    DBGrid1_->horizontalHeader()->setStretchLastSection(true);
    const QList<int> widths = {70, 120, 180, 150};
    for (int column = 0; column < widths.size(); ++column)
        DBGrid1_->setColumnWidth(column, widths[column]);
    connect(DBGrid1_, &QTableView::doubleClicked, this, Guarded(dane_.prompter(), this, &TKONF::DBGrid1DblClick));
    connect(DBGrid1_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            Guarded(dane_.prompter(), this, &TKONF::DBGrid1TitleClick));
    connect(DBGrid1_->horizontalHeader(), &QHeaderView::sectionResized, this,
            &TKONF::alignSearchBoxes);

    navigator_ = new CursorNavigator(dane_.TKontrah, dane_.prompter(),
                                     CursorNavigator::Moving | CursorNavigator::Refresh, panel);

    static const QStringList hints = {
        QStringLiteral("Podaj numer kontrahenta"), QStringLiteral("Podaj NIP"),
        QStringLiteral("Podaj skrót nazwy"), QStringLiteral("Podaj miejscowość")};
    auto *searchRow = new QHBoxLayout;
    searchRow->setSpacing(0);
    for (int i = 0; i < SearchColumns.size(); ++i) {
        auto *box = new QLineEdit(panel);
        box->setToolTip(hints[i]);
        box->setPlaceholderText(model_.headerData(i, Qt::Horizontal).toString());
        search_.insert(int(SearchColumns[i]), box);
        searchRow->addWidget(box);
        connect(box, &QLineEdit::textChanged, this,
                Guarded(dane_.prompter(), [this, column = SearchColumns[i]](const QString &text) {
                    SzukajChange(column, text);
                }));
    }
    searchRow->addStretch();

    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(DBGrid1_, 1);
    layout->addWidget(navigator_);
    layout->addLayout(searchRow);
    alignSearchBoxes();
    return panel;
}

QWidget *TKONF::editPanel()
{
    auto *panel = new QWidget(this);
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    auto edit = [&](const QString &field, const QString &hint = QString()) {
        auto *box = new QLineEdit(panel);
        box->setObjectName(field);
        box->setToolTip(hint);
        if (dane_.TKontrah.isOpen() && dane_.TKontrah.hasField(field)
            && dane_.TKontrah.field(field).size() > 0)
            box->setMaxLength(dane_.TKontrah.field(field).size());
        edits_.insert(field, box);
        return box;
    };
    auto line = [&](const QString &label, QLineEdit *box) {
        grid->addWidget(new QLabel(label, panel), row, 0);
        grid->addWidget(box, row, 1, 1, 3);
        ++row;
    };

    QLineEdit *number = edit(QStringLiteral("NR"), QStringLiteral("Numerr kontrahenta - oryginalny"));
    number->setReadOnly(true);
    number->setMaximumWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    number->installEventFilter(this);
    grid->addWidget(new QLabel(QStringLiteral("Numer kontrahenta"), panel), row, 0);
    grid->addWidget(number, row, 1);
    ++row;
    line(QStringLiteral("NIP"), edit(QStringLiteral("NIP")));
    line(QStringLiteral("Skrót nazwy"), edit(QStringLiteral("SKROT")));
    line(QStringLiteral("Pełna"), edit(QStringLiteral("NAZWA1")));
    line(QStringLiteral("nazwa:"), edit(QStringLiteral("NAZWA2")));
    line(QStringLiteral("Kod pocztowy"), edit(QStringLiteral("KOD")));
    line(QStringLiteral("Poczta"), edit(QStringLiteral("MIEJSC")));
    line(QStringLiteral("Ulica"), edit(QStringLiteral("UL")));
    line(QStringLiteral("Nazwa banku"), edit(QStringLiteral("BANK")));
    grid->addWidget(new QLabel(QStringLiteral("L.k."), panel), row, 0);
    QLineEdit *check = edit(QStringLiteral("NUM1"), QStringLiteral("Liczba kontrolna algorytmu IBAN"));
    check->setMaximumWidth(check->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    grid->addWidget(check, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("Numer banku"), panel), row, 2, Qt::AlignRight);
    grid->addWidget(edit(QStringLiteral("NUM2"), QStringLiteral("8-cyfrowy numer banku")), row, 3);
    ++row;
    line(QStringLiteral("Numer rachunku"), edit(QStringLiteral("NUM3"), QStringLiteral("Numer rachunku (bez kresek)")));
    grid->setColumnMinimumWidth(1, 60);
    grid->setColumnStretch(3, 1);
    panel->setMinimumWidth(430);

    for (const QString &field : ContractorEditFields())
        binder_.bindLineEdit(edits_.value(field), field);
    // Enter in the box, and leaving it (watched in eventFilter) even when nothing was typed:
    // a contractor written by another program may come with a full name only.
    QLineEdit *fullName = edits_.value(QStringLiteral("NAZWA1"));
    connect(fullName, &QLineEdit::editingFinished, this, Guarded(dane_.prompter(), this, &TKONF::NAZWA1Exit));
    fullName->installEventFilter(this);
    return panel;
}

QWidget *TKONF::buttonRow()
{
    auto *row = new QWidget(this);
    auto *layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto add = [&](const QString &text, void (TKONF::*handler)(), int line, int column, int span) {
        auto *button = new QPushButton(text, row);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, Guarded(dane_.prompter(), this, handler));
        layout->addWidget(button, line, column, 1, span);
        buttons_ << button;
    };
    add(QStringLiteral("Dodaj nowy"), &TKONF::NowyKontrahentClick, 0, 0, 1);
    add(QStringLiteral("Zapisz"), &TKONF::ZapiszClick, 0, 1, 1);
    add(QStringLiteral("Usuń"), &TKONF::UsunKontrahentaClick, 0, 2, 1);
    add(QStringLiteral("Przenieś dane kontrahenta"), &TKONF::PrzeniesClick, 1, 0, 3);
    return row;
}

void TKONF::buildMenu()
{
    auto *bar = new QMenuBar(this);
    auto add = [this](QMenu *menu, const QString &text, void (TKONF::*handler)(),
                      const QKeySequence &key = {}) {
        QAction *action = menu->addAction(text, this, Guarded(dane_.prompter(), this, handler));
        action->setShortcut(key);
        actions_ << action;
        return action;
    };
    QMenu *tasks = bar->addMenu(QStringLiteral("Zadania"));
    add(tasks, QStringLiteral("Nowy kontrahent"), &TKONF::NowyKontrahentClick, Qt::Key_F4);
    add(tasks, QStringLiteral("Zapisz"), &TKONF::ZapiszClick, Qt::Key_F5);
    add(tasks, QStringLiteral("Usuń kontrahenta"), &TKONF::UsunKontrahentaClick, Qt::Key_F8);
    tasks->addSeparator();
    add(tasks, QStringLiteral("Zamknij"), &TKONF::ZamknijClick);

    descriptionAction_ = bar->addAction(QStringLiteral("Opis kontrahenta"), this,
                                        Guarded(dane_.prompter(), this, &TKONF::OpisKontrahentaClick));
    actions_ << descriptionAction_;

    QMenu *tools = bar->addMenu(QStringLiteral("Narzędzia"));
    add(tools, QStringLiteral("Import katalogu kontrahentów"), &TKONF::ImportKataloguClick);
    add(tools, QStringLiteral("Export katalogu kontrahentów"), &TKONF::ExportKataloguClick);

    QMenu *print = bar->addMenu(QStringLiteral("Wydruk"));
    add(print, QStringLiteral("Adresowanie kopert"), &TKONF::AdresowanieKopertClick);
    add(print, QStringLiteral("Ustawienie marginesów"), &TKONF::UstawienieMarginesowClick);

    QAction *help = bar->addAction(QStringLiteral("Pomoc"), this, Guarded(dane_.prompter(), this, &TKONF::PomocClick));
    help->setShortcut(Qt::Key_F1);
    actions_ << help;
    layout()->setMenuBar(bar);
}

bool TKONF::execute()
{
    FormShow();
    return exec() == QDialog::Accepted;
}

QLineEdit *TKONF::searchBox(ContractorColumn column) const
{
    return search_.value(int(column));
}

QAction *TKONF::action(const QString &text) const
{
    for (QAction *action : actions_)
        if (action->text() == text)
            return action;
    return nullptr;
}

QPushButton *TKONF::button(const QString &text) const
{
    for (QPushButton *button : buttons_)
        if (button->text() == text)
            return button;
    return nullptr;
}

void TKONF::FormShow()
{
    showCount();
    descriptionAction_->setVisible(ReopenContractorNotes(dane_, dane_.prompter()));
    binder_.refresh();
    showNumber();
    DBGrid1_->setFocus();
}

void TKONF::FormClose()
{
    binder_.updateRecord();
    // The catalogue closes either way; a change that could not be saved was reported.
    static_cast<void>(SaveContractor(dane_, dane_.prompter()));
    if (description_)
        description_->hide();
}

void TKONF::NowyKontrahentClick()
{
    binder_.updateRecord();
    if (AddContractor(dane_, dane_.prompter()))
        edits_.value(QStringLiteral("NIP"))->setFocus();
    showCount();
}

void TKONF::ZapiszClick()
{
    binder_.updateRecord();
    // A failed save has been reported and the change dropped: nothing more to do.
    static_cast<void>(SaveContractor(dane_, dane_.prompter()));
}

void TKONF::UsunKontrahentaClick()
{
    // The count is shown again either way: the list may have changed meanwhile.
    static_cast<void>(DeleteContractor(dane_, dane_.prompter()));
    showCount();
}

void TKONF::ZamknijClick()
{
    done(QDialog::Rejected);
}

void TKONF::PrzeniesClick()
{
    if (dane_.TKontrah.isOpen() && dane_.TKontrah.recNo() >= 0)
        done(QDialog::Accepted);
}

void TKONF::DBGrid1DblClick(const QModelIndex &index)
{
    if (index.isValid())
        PrzeniesClick();
}

void TKONF::DBGrid1TitleClick(int section)
{
    if (const auto column = ContractorColumnAt(section + 1)) {
        binder_.updateRecord();
        SortContractors(dane_.TKontrah, *column, dane_.prompter());
    }
}

void TKONF::SzukajChange(ContractorColumn column, const QString &text)
{
    binder_.updateRecord();
    SearchContractors(dane_.TKontrah, column, text, dane_.prompter());
}

void TKONF::NAZWA1Exit()
{
    if (!dane_.TKontrah.isOpen() || dane_.TKontrah.recNo() < 0)
        return;
    try {
        ApplyShortNameDefault(dane_.TKontrah);
    } catch (const DbError &failure) {
        dane_.prompter().error(failure.message());
    }
}

void TKONF::NRDblClick()
{
    if (!renumber_)
        renumber_ = new TKONF5(dane_, this);
    binder_.updateRecord();
    renumber_->execute();
}

void TKONF::OpisKontrahentaClick()
{
    if (!description_)
        description_ = new TKonF1(dane_, this);
    description_->show();
    description_->raise();
    description_->activateWindow();
}

void TKONF::AdresowanieKopertClick()
{
    binder_.updateRecord();
    PrintContractorEnvelope(dane_.TKontrah, GivenOrSystemPrinters(printers_, systemPrinters_),
                            EnvelopeMarginsFile(), dane_.prompter());
}

void TKONF::UstawienieMarginesowClick()
{
    if (!margins_)
        margins_ = new TkonF4(dane_.prompter(), this);
    margins_->execute();
}

TFexpimp &TKONF::transferWindow()
{
    if (!transfer_)
        transfer_ = new TFexpimp(dane_, this);
    return *transfer_;
}

void TKONF::ImportKataloguClick()
{
    transferCatalogue(true);
}

void TKONF::ExportKataloguClick()
{
    transferCatalogue(false);
}

// What is typed goes in first: an export writes it, an import may change the same record.
void TKONF::transferCatalogue(bool importing)
{
    binder_.updateRecord();
    if (!SaveContractor(dane_, dane_.prompter()))
        return;
    transferWindow().execute(dane_.TKontrah, importing ? TFexpimp::Mode::Import : TFexpimp::Mode::Export);
    binder_.refresh();
    showCount();
    showNumber();
}

void TKONF::PomocClick()
{
    DesktopShell shell;
    OpenDocument(QCoreApplication::applicationDirPath(), ContractorHelpDocument, shell,
                 dane_.prompter());
}

bool TKONF::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edits_.value(QStringLiteral("NR")) && event->type() == QEvent::MouseButtonDblClick) {
        RunHandler(dane_.prompter(), [this] { NRDblClick(); });
        return true;
    }
    // A context menu popping up is no leaving of the box.
    if (watched == edits_.value(QStringLiteral("NAZWA1")) && event->type() == QEvent::FocusOut
        && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
        RunHandler(dane_.prompter(), [this] {
            binder_.updateRecord();
            NAZWA1Exit();
        });
    }
    return QDialog::eventFilter(watched, event);
}

void TKONF::showCount()
{
    count_->setText(ContractorCountText(dane_.TKontrah));
}

void TKONF::showNumber()
{
    Cursor &contractors = dane_.TKontrah;
    const bool any = contractors.isOpen() && !contractors.field(QStringLiteral("NR")).isNull();
    edits_.value(QStringLiteral("NR"))->setText(
        any ? ContractorNumberText(contractors.field(QStringLiteral("NR")).asInteger()) : QString());
}

void TKONF::alignSearchBoxes()
{
    for (int i = 0; i < SearchColumns.size(); ++i)
        search_.value(int(SearchColumns[i]))->setFixedWidth(DBGrid1_->columnWidth(i));
}
