#include "contractors/windows/tkonf1.h"

#include "contractors/contractor_help.h"
#include "contractors/contractor_notes.h"
#include "contractors/contractor_numbers.h"
#include "core/data_module.h"
#include "core/table_access.h"
#include "platform/prompter.h"
#include "platform/shell.h"
#include "platform/widgets/guarded_handler.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

TKonF1::TKonF1(TDANE &dane, QWidget *parent)
    : QWidget(parent, Qt::Window), dane_(dane), binder_(dane.TKONTRAHo, dane.prompter()),
      number_(new QLabel(this)), shortName_(new QLabel(this)),
      prior_(new QPushButton(QStringLiteral("< Poprzedni"), this)),
      next_(new QPushButton(QStringLiteral("Następny >"), this))
{
    setObjectName(QStringLiteral("TKonF1"));
    setWindowTitle(QStringLiteral("Opis kontrahenta"));
    number_->setObjectName(QStringLiteral("NR"));
    shortName_->setObjectName(QStringLiteral("SKROT"));
    QFont bold = number_->font();
    bold.setBold(true);
    number_->setFont(bold);
    shortName_->setFont(bold);
    number_->setMinimumWidth(QFontMetrics(bold).horizontalAdvance(QStringLiteral("000000")));

    auto *head = new QHBoxLayout;
    head->addWidget(prior_);
    head->addWidget(number_);
    head->addWidget(shortName_, 1);
    head->addWidget(next_);

    auto *fields = new QGridLayout;
    int row = 0;
    auto line = [&](const QString &label, const QString &field, int column) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(field);
        edit->installEventFilter(this);
        binder_.bindLineEdit(edit, field);
        controls_.insert(field, edit);
        fields->addWidget(new QLabel(label, this), row, column * 2);
        fields->addWidget(edit, row, column * 2 + 1);
        if (column == 1)
            ++row;
    };
    line(QStringLiteral("Regon/Pesel"), QStringLiteral("REGPES"), 0);
    line(QStringLiteral("Oznaczenie grupowania"), QStringLiteral("Tel2"), 1);
    line(QStringLiteral("Telefon"), QStringLiteral("Tel1"), 0);
    line(QStringLiteral("Fax"), QStringLiteral("FAX"), 1);
    line(QStringLiteral("E-mail"), QStringLiteral("EMAIL"), 0);
    line(QStringLiteral("WWW"), QStringLiteral("WWW"), 1);
    line(QStringLiteral("Osoba kontaktowa"), QStringLiteral("OSKONT"), 0);
    line(QStringLiteral("Osoba odpowiedzialna"), QStringLiteral("OSODP"), 1);
    line(QStringLiteral("Osoba odbierająca fakturę\nlub nr oświadczenia VAT"), QStringLiteral("OSVAT"), 0);

    auto *province = new QComboBox(this);
    province->setObjectName(QStringLiteral("Wojew"));
    province->setEditable(true);
    province->addItems(ContractorProvinces());
    province->lineEdit()->installEventFilter(this);
    // Before the binder takes the choice: a new description must exist to receive it.
    connect(province, &QComboBox::activated, this, Guarded(dane_.prompter(), [this, province](int index) {
        startDescription();
        province->setEditText(province->itemText(index));
    }));
    binder_.bindComboBox(province, QStringLiteral("Wojew"));
    controls_.insert(QStringLiteral("Wojew"), province);
    fields->addWidget(new QLabel(QStringLiteral("Województwo"), this), row, 2);
    fields->addWidget(province, row, 3);
    ++row;

    auto *remarks = new QPlainTextEdit(this);
    remarks->setObjectName(QStringLiteral("OPIS"));
    remarks->installEventFilter(this);
    binder_.bindMemo(remarks, QStringLiteral("OPIS"));
    controls_.insert(QStringLiteral("OPIS"), remarks);
    fields->addWidget(new QLabel(QStringLiteral("Opis"), this), row, 0, Qt::AlignTop);
    fields->addWidget(remarks, row, 1, 1, 3);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addLayout(fields, 1);

    connect(prior_, &QPushButton::clicked, this, Guarded(dane_.prompter(), this, &TKonF1::PoprzedniClick));
    connect(next_, &QPushButton::clicked, this, Guarded(dane_.prompter(), this, &TKonF1::NastepnyClick));
    connect(&dane_.TKontrah, &Cursor::currentChanged, this, Guarded(dane_.prompter(), this, &TKonF1::showContractor));
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, Guarded(dane_.prompter(), [this] {
        DesktopShell shell;
        OpenDocument(QCoreApplication::applicationDirPath(), ContractorHelpDocument, shell,
                     dane_.prompter());
    }));
    resize(720, 420);
}

void TKonF1::showEvent(QShowEvent *event)
{
    RunHandler(dane_.prompter(), [this] { FormShow(); });
    QWidget::showEvent(event);
}

void TKonF1::hideEvent(QHideEvent *event)
{
    RunHandler(dane_.prompter(), [this] { FormHide(); });
    QWidget::hideEvent(event);
}

bool TKonF1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && !static_cast<QKeyEvent *>(event)->text().isEmpty())
        startDescription();
    return QWidget::eventFilter(watched, event);
}

// A contractor without a description gets one when the first key is typed, before the key
// reaches the box: starting it empties the boxes, which would swallow that key.
void TKonF1::startDescription()
{
    Cursor &notes = dane_.TKONTRAHo;
    if (!notes.isOpen() || notes.isEditing() || !notes.isEmpty() || dane_.TKontrah.recNo() < 0)
        return;
    try {
        EnsureEditing(notes);
    } catch (const DbError &failure) {
        dane_.prompter().error(failure.message());
    }
}

// Linking and unlinking read the description table afresh; a table another program took
// away or locked is reported, and the window shows what it has.
void TKonF1::FormShow()
{
    try {
        LinkContractorNotes(dane_);
    } catch (const DbError &failure) {
        dane_.prompter().error(failure.message());
    }
    binder_.refresh();
    showContractor();
}

void TKonF1::FormHide()
{
    binder_.updateRecord();
    // What could not be saved has been reported; the window hides all the same.
    try {
        static_cast<void>(UnlinkContractorNotes(dane_, dane_.prompter()));
    } catch (const DbError &failure) {
        dane_.prompter().error(failure.message());
    }
}

void TKonF1::PoprzedniClick()
{
    binder_.updateRecord();
    try {
        dane_.TKontrah.prior();
    } catch (const DbError &failure) {
        dane_.prompter().error(failure.message());
    }
}

void TKonF1::NastepnyClick()
{
    binder_.updateRecord();
    try {
        dane_.TKontrah.next();
    } catch (const DbError &failure) {
        dane_.prompter().error(failure.message());
    }
}

void TKonF1::showContractor()
{
    Cursor &contractors = dane_.TKontrah;
    const bool any = contractors.isOpen() && contractors.recNo() >= 0;
    number_->setText(any ? ContractorNumberText(contractors.field(QStringLiteral("NR")).asInteger())
                         : QString());
    shortName_->setText(any ? contractors.field(QStringLiteral("SKROT")).asString() : QString());
}
