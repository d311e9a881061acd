#include "ledger/windows/tksiegaf1.h"

#include "core/data_module.h"
#include "ledger/entry_editor_support.h"
#include "ledger/entry_operations.h"
#include "ledger/ledger_rules.h"
#include "platform/prompter.h"
#include "platform/widgets/guarded_handler.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString AmountHint = QStringLiteral("Wpisz kwotę w odpowiednim polu");

struct AmountBox {
    const char *field;
    const char *number;
    const char *caption; // "\n" between heading lines
};

const AmountBox amountBoxes[] = {
    {"K7", "7", "Wartość sprzedanych towarów i usług"},
    {"K8", "8", "pozostałe przychody"},
    {"K9", "9", "razem\nprzychód\n(7+8)"},
    {"K10", "10", "Zakup\ntowaów\nhandlowych\ni materiałow\nwg cen\nzakupu"},
    {"K11", "11", "Koszty uboczne zakupu"},
    {"K12", "12", "wynagro-\ndzenie\nw gotówce\ni w naturze"},
    {"K13", "13", "pozostałe wydatki"},
    {"K14", "14", "razem wydatki (12+13)"},
    {"K16", "15", ""},
    {"K17", "16", "Koszty działalności badawczo-rozwojowej"},
};

// A box's label is never cut: the window grows to show it whole.
QLabel *label(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    return label;
}

QLabel *caption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

TKSIEGAF1::TKSIEGAF1(TDANE &dane, QWidget *parent)
    : QDialog(parent), dane_(dane), binder_(dane.TKSIEGA, dane.prompter())
{
    setObjectName(QStringLiteral("TKSIEGAF1"));
    setWindowTitle(QStringLiteral("Opis pozycji Podatkowej Księgi Przychodów i Rozchodów"));
    // Only the close box: no help button, no minimising.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(entryGroup());
    layout->addWidget(contractorGroup());
    layout->addWidget(amountsGroup());
    layout->addWidget(remarksGroup());
    KZAPISZ_ = new QPushButton(QStringLiteral("Zapisz"), this);
    KZAPISZ_->setObjectName(QStringLiteral("KZAPISZ"));
    KZAPISZ_->setToolTip(QStringLiteral("Zapisz opis pozycji"));
    KZAPISZ_->setAutoDefault(false);
    connect(KZAPISZ_, &QPushButton::clicked, this, [this] { run([this] { KZAPISZClick(); }); });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(KZAPISZ_);
    layout->addLayout(buttons);

    // The contractor is looked up on every leaving of its number and NIP boxes, typed in or
    // not: a number typed before the contractor was in the catalogue finds it later.
    for (const auto &[field, key] : {std::pair{QStringLiteral("NRK"), ContractorKey::Number},
                                     std::pair{QStringLiteral("NIP"), ContractorKey::Nip}}) {
        binder_.setAfterAssign(control(field), [this, key] { DBEdit14Exit(key); });
        binder_.setOnUntouchedExit(control(field), [this, key] { DBEdit14Exit(key); });
    }
    setEntryEditor(dane_, this);
    FormCreate();
}

TKSIEGAF1::~TKSIEGAF1()
{
    setEntryEditor(dane_, nullptr);
}

QLineEdit *TKSIEGAF1::lineEdit(const QString &field, const QString &hint, const QString &mask)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(field);
    edit->setToolTip(hint);
    edit->setInputMask(mask);
    binder_.bindLineEdit(edit, field);
    controls_.insert(field, edit);
    return edit;
}

QWidget *TKSIEGAF1::entryGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Oznaczenie pozycji ksiegi :"), this);
    auto *grid = new QGridLayout(group);
    QLineEdit *date = lineEdit(QStringLiteral("DATA"), QString(), QStringLiteral("9999.99.99;_"));
    up_ = new QToolButton(group);
    up_->setArrowType(Qt::UpArrow);
    up_->setObjectName(QStringLiteral("UpDown1Up"));
    down_ = new QToolButton(group);
    down_->setArrowType(Qt::DownArrow);
    down_->setObjectName(QStringLiteral("UpDown1Down"));
    for (QToolButton *arrow : {up_, down_}) {
        arrow->setFixedSize(18, 12);
        arrow->setAutoRepeat(true);
        const bool up = arrow == up_;
        connect(arrow, &QToolButton::clicked, this, [this, up] { run([this, up] { UpDown1Click(up); }); });
    }
    auto *arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(up_);
    arrows->addWidget(down_);

    month_ = new QComboBox(group);
    month_->setObjectName(QStringLiteral("MC"));
    month_->setEditable(true);
    month_->setInsertPolicy(QComboBox::NoInsert);
    for (int m = 1; m <= 12; ++m)
        month_->addItem(QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')));
    month_->lineEdit()->setMaxLength(2);
    month_->setToolTip(QStringLiteral("Miesiąc księgi podatkowej"));
    binder_.bindComboBox(month_, QStringLiteral("MC"));
    controls_.insert(QStringLiteral("MC"), month_);

    description_ = new QComboBox(group);
    description_->setObjectName(QStringLiteral("OPIS1"));
    description_->setEditable(true);
    description_->setInsertPolicy(QComboBox::NoInsert);
    description_->lineEdit()->installEventFilter(this);
    binder_.bindComboBox(description_, QStringLiteral("OPIS1"));
    controls_.insert(QStringLiteral("OPIS1"), description_);

    QLineEdit *computerMark = lineEdit(QStringLiteral("NRKOMP"));
    computerMark->setReadOnly(true);

    // Boxes wide enough for what they hold.
    const auto characters = [this](int count) {
        return fontMetrics().horizontalAdvance(QString(count, QLatin1Char('0'))) + 16;
    };
    QLineEdit *number = lineEdit(QStringLiteral("LP"));
    number->setMinimumWidth(characters(6));
    date->setMinimumWidth(characters(10));
    month_->setMinimumWidth(characters(2) + 24);
    grid->addWidget(label(QStringLiteral("L. p. :"), group), 0, 0);
    grid->addWidget(number, 0, 1);
    grid->addWidget(label(QStringLiteral("Data zdarzenia gospodarczego :"), group), 0, 2);
    auto *dateRow = new QHBoxLayout;
    dateRow->setSpacing(1);
    dateRow->addWidget(date);
    dateRow->addLayout(arrows);
    grid->addLayout(dateRow, 0, 3);
    grid->addWidget(label(QStringLiteral("Data zapłaty :"), group), 0, 4);
    QLineEdit *payment = lineEdit(QStringLiteral("A2"));
    payment->setMinimumWidth(characters(12));
    grid->addWidget(payment, 0, 5);
    grid->addWidget(label(QStringLiteral("Miesiąc :"), group), 0, 6);
    grid->addWidget(month_, 0, 7);
    grid->addWidget(label(QStringLiteral("Numer dowodu księgowego :"), group), 1, 0);
    grid->addWidget(lineEdit(QStringLiteral("NRKSIEG")), 1, 1, 1, 3);
    grid->addWidget(label(QStringLiteral("Oznaczenie komputerowe :"), group), 1, 4);
    grid->addWidget(computerMark, 1, 5, 1, 3);
    // A book the KSeF field could not yet be added to is kept without it.
    if (dane_.TKSIEGA.hasField(QStringLiteral("KSEF"))) {
        QLineEdit *ksef = lineEdit(QStringLiteral("KSEF"), QStringLiteral("Numer faktury w KSeF"));
        ksef->setMaxLength(36);
        ksef->setMinimumWidth(characters(36));
        grid->addWidget(label(QStringLiteral("Numer KSeF :"), group), 2, 0);
        grid->addWidget(ksef, 2, 1, 1, 3);
    }
    grid->addWidget(label(QStringLiteral("Opis zdarzenia gospodarczego :"), group), 3, 0);
    grid->addWidget(description_, 3, 1, 1, 3);
    grid->addWidget(lineEdit(QStringLiteral("OPIS2"), QStringLiteral("Opis zdarzenia gospodarczego")), 3, 4, 1, 4);
    return group;
}

QWidget *TKSIEGAF1::contractorGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Kontrahent :"), this);
    auto *grid = new QGridLayout(group);
    catalogueButton_ = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogContentsView),
                                       QString(), group);
    catalogueButton_->setObjectName(QStringLiteral("SpeedButton1"));
    catalogueButton_->setToolTip(QStringLiteral("Katalog kontrahentów"));
    connect(catalogueButton_, &QPushButton::clicked, this, [this] { run([this] { SpeedButton1Click(); }); });
    saveContractorButton_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton),
                                            QString(), group);
    saveContractorButton_->setObjectName(QStringLiteral("SpeedButton2"));
    saveContractorButton_->setToolTip(QStringLiteral("Zapisz w Katalogu Kontrahentów"));
    connect(saveContractorButton_, &QPushButton::clicked, this, [this] { run([this] { SpeedButton2Click(); }); });
    for (QPushButton *button : {catalogueButton_, saveContractorButton_})
        button->setAutoDefault(false);

    const QString nameHint = QStringLiteral("Pełna nazwa kontrahenta");
    const QString addressHint = QStringLiteral("Adres siedziby kontrahenta");
    QLineEdit *town = lineEdit(QStringLiteral("MIEJSC"), addressHint);
    // Towns are kept in capitals, as the printed book shows them.
    connect(town, &QLineEdit::textEdited, town, [town](const QString &text) {
        const int at = town->cursorPosition();
        town->setText(text.toUpper());
        town->setCursorPosition(at);
    });
    grid->addWidget(label(QStringLiteral("Numer :"), group), 0, 0);
    grid->addWidget(lineEdit(QStringLiteral("NRK"), QStringLiteral("Numer kontrahenta")), 0, 1);
    grid->addWidget(catalogueButton_, 0, 2);
    grid->addWidget(saveContractorButton_, 0, 3);
    grid->addWidget(label(QStringLiteral("NIP"), group), 0, 4, Qt::AlignRight);
    grid->addWidget(lineEdit(QStringLiteral("NIP"), QStringLiteral("NIP kontrahenta")), 0, 5);
    grid->addWidget(label(QStringLiteral("Nazwa :"), group), 1, 0);
    grid->addWidget(lineEdit(QStringLiteral("NAZ1"), nameHint), 1, 1, 1, 7);
    grid->addWidget(lineEdit(QStringLiteral("NAZ2"), nameHint), 2, 1, 1, 7);
    grid->addWidget(label(QStringLiteral("Ulica :"), group), 3, 0);
    grid->addWidget(lineEdit(QStringLiteral("UL"), addressHint), 3, 1, 1, 3);
    grid->addWidget(label(QStringLiteral("Kod :"), group), 3, 4, Qt::AlignRight);
    grid->addWidget(lineEdit(QStringLiteral("KOD"), addressHint), 3, 5);
    grid->addWidget(label(QStringLiteral("Miejscowość :"), group), 3, 6);
    grid->addWidget(town, 3, 7);
    return group;
}

QWidget *TKSIEGAF1::amountsGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Rozliczenie :"), this);
    auto *grid = new QGridLayout(group);
    grid->addWidget(caption(QStringLiteral("PRZYCHODY"), group), 0, 0, 1, 3);
    grid->addWidget(caption(QStringLiteral("WYDATKI (KOSZTY)"), group), 0, 5, 1, 3);
    // The tallest heading (column 10) has six lines.
    grid->setRowMinimumHeight(1, fontMetrics().lineSpacing() * 6 + 4);
    int column = 0;
    for (const AmountBox &box : amountBoxes) {
        const QString field = QString::fromLatin1(box.field);
        grid->addWidget(caption(QString::fromUtf8(box.caption), group), 1, column, Qt::AlignBottom);
        grid->addWidget(caption(QString::fromLatin1(box.number), group), 2, column);
        QLineEdit *edit = lineEdit(field, AmountHint);
        edit->setAlignment(Qt::AlignRight);
        edit->setReadOnly(dane_.TKSIEGA.isOpen() && dane_.TKSIEGA.field(field).isCalculated());
        grid->addWidget(edit, 3, column);
        grid->setColumnStretch(column, 1);
        ++column;
    }
    return group;
}

QWidget *TKSIEGAF1::remarksGroup()
{
    auto *box = new QWidget(this);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Uwagi :"), box));
    auto *remarks = new QPlainTextEdit(box);
    remarks->setObjectName(QStringLiteral("UWAGI"));
    remarks->setToolTip(QStringLiteral("Uwagi do pozycji"));
    remarks->setFixedHeight(remarks->fontMetrics().lineSpacing() * 3 + 12);
    binder_.bindMemo(remarks, QStringLiteral("UWAGI"));
    controls_.insert(QStringLiteral("UWAGI"), remarks);
    layout->addWidget(remarks);
    return box;
}

void TKSIEGAF1::run(const std::function<void()> &handler)
{
    RunHandler(dane_.prompter(), handler);
}

void TKSIEGAF1::execute()
{
    exec();
}

void TKSIEGAF1::FormCreate()
{
    // The description typed so far survives the new list.
    const QString typed = description_->currentText();
    description_->clear();
    description_->addItems(DescriptionNames(dane_.TOPISZG));
    description_->setEditText(typed);
}

void TKSIEGAF1::FormShow()
{
    const bool open = EntryMonthOpen(dane_);
    for (const QString &field : FieldsLockedInPostedMonth())
        if (QWidget *box = control(field))
            box->setEnabled(open);
    // The arrows change the date too: they follow its box.
    up_->setEnabled(open);
    down_->setEnabled(open);
    binder_.refresh();
}

void TKSIEGAF1::DBEdit14Exit(ContractorKey key)
{
    const QString box = key == ContractorKey::Number ? QStringLiteral("NRK") : QStringLiteral("NIP");
    LookUpEntryContractor(dane_, key, dane_.TKSIEGA.field(box).asString());
}

void TKSIEGAF1::SpeedButton1Click()
{
    if (catalogue_ && catalogue_())
        CopyContractorToEntry(dane_);
}

void TKSIEGAF1::SpeedButton2Click()
{
    binder_.updateRecord();
    // A failure has been reported; the entry stays open for another try.
    static_cast<void>(SaveEntryContractor(dane_));
}

void TKSIEGAF1::UpDown1Click(bool up)
{
    binder_.updateRecord();
    StepEntryDate(dane_, up);
}

void TKSIEGAF1::EOPISDblClick()
{
    if (!dictionary_)
        return;
    dictionary_();
    FormCreate();
}

void TKSIEGAF1::KZAPISZClick()
{
    // A refused KSeF number leaves the entry in the editor to be put right.
    if (SaveEntry(dane_) || !dane_.TKSIEGA.isEditing())
        accept();
}

void TKSIEGAF1::FormHide()
{
    CloseEntryEditor(dane_);
    if (viewRefresh_)
        viewRefresh_();
}

void TKSIEGAF1::showMonth(const QString &month)
{
    // Only the box goes back to the working month: the entry keeps the month chosen, and
    // saving it asks about the posted month.
    binder_.displayOnly([this, &month] { month_->setEditText(month); });
}

void TKSIEGAF1::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    run([this] { FormShow(); });
}

void TKSIEGAF1::done(int result)
{
    // Closing by any means runs the closing questions once, while the entry is still shown.
    if (!hiding_) {
        hiding_ = true;
        run([this] { FormHide(); });
        hiding_ = false;
    }
    QDialog::done(result);
}

bool TKSIEGAF1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == description_->lineEdit() && event->type() == QEvent::MouseButtonDblClick) {
        run([this] { EOPISDblClick(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
