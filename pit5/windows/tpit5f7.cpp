#include "pit5/windows/tpit5f7.h"

#include "core/data_module.h"
#include "pit5/taxpayer_register.h"
#include "platform/widgets/cursor_navigator.h"
#include "platform/widgets/guarded_handler.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

struct TaxpayerBox {
    const char *field;
    const char *label;
};

// The identification printed on the declaration, in the order of its positions.
constexpr TaxpayerBox TaxpayerBoxes[] = {
    {"NR", "Numer"},          {"URZAD", "Urząd skarbowy"}, {"NIP", "NIP"},
    {"NAZWISKO", "Nazwisko"}, {"IMIE", "Pierwszę imię"},   {"DATAUR", "Data urodzenia"},
    {"ZKRAJ", "Kraj"},        {"ZWOJEWODZTWO", "Województwo"}, {"ZPOWIAT", "Powiat"},
    {"ZGMINA", "Gmina"},      {"ZULICA", "Ulica"},         {"ZNUMER", "Nr domu"},
    {"ZLOKAL", "Nr lokalu"},  {"ZMIEJSCOWOSC", "Miejscowość"}, {"ZKOD", "kod pocztowy"},
    {"ZPOCZTA", "Poczta"},    {"ZAPAS4", "Udział [%]"},
};

} // namespace

TPIT5F7::TPIT5F7(TDANE &dane, QWidget *parent)
    : QDialog(parent), dane_(dane), binder_(dane.TOSOBA, dane.prompter()),
      model_(dane.TOSOBA, {{QStringLiteral("NR"), QStringLiteral("NR"), {}},
                           {QStringLiteral("IMIE"), QStringLiteral("IMIĘ"), {}},
                           {QStringLiteral("NAZWISKO"), QStringLiteral("NAZWISKO"), {}}}),
      grid_(new QTableView(this))
{
    setObjectName(QStringLiteral("TPIT5F7"));
    setWindowTitle(QStringLiteral("PODATNICY"));

    grid_->setModel(&model_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setColumnWidth(0, 50);
    grid_->setColumnWidth(1, 110);
    grid_->setMinimumWidth(340);
    followCursor(grid_, &model_, dane_.prompter());

    navigator_ = new CursorNavigator(dane_.TOSOBA, dane_.prompter(),
                                     CursorNavigator::First | CursorNavigator::Last
                                         | CursorNavigator::Insert | CursorNavigator::Delete
                                         | CursorNavigator::Post | CursorNavigator::Cancel,
                                     this);
    navigator_->setInsertHandler([this] { InsertTaxpayer(dane_); });
    navigator_->setDeleteQuestion(QStringLiteral("Czy skasować dane ?"));

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(addButton(QStringLiteral("Nowy"), &TPIT5F7::NowyClick));
    buttonRow->addWidget(addButton(QStringLiteral("Zapisz"), &TPIT5F7::ZapiszClick));
    buttonRow->addWidget(addButton(QStringLiteral("Usuń"), &TPIT5F7::UsunClick));
    buttonRow->addStretch();

    auto *list = new QVBoxLayout;
    list->addLayout(buttonRow);
    list->addWidget(grid_);
    auto *body = new QHBoxLayout;
    body->addLayout(list, 1);
    body->addWidget(editPanel(), 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(navigator_);
    resize(820, 600);
}

QPushButton *TPIT5F7::addButton(const QString &text, void (TPIT5F7::*handler)())
{
    auto *button = new QPushButton(text, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, Guarded(dane_.prompter(), this, handler));
    buttons_ << button;
    return button;
}

QPushButton *TPIT5F7::button(const QString &text) const
{
    for (QPushButton *button : buttons_)
        if (button->text() == text)
            return button;
    return nullptr;
}

QWidget *TPIT5F7::editPanel()
{
    auto *panel = new QWidget(this);
    auto *form = new QFormLayout(panel);
    Cursor &taxpayers = dane_.TOSOBA;
    for (const TaxpayerBox &box : TaxpayerBoxes) {
        const QString field = QString::fromLatin1(box.field);
        auto *edit = new QLineEdit(panel);
        edit->setObjectName(field);
        if (taxpayers.isOpen() && taxpayers.hasField(field)
            && taxpayers.field(field).type() == FieldType::Text)
            edit->setMaxLength(taxpayers.field(field).size());
        if (field == QLatin1String("DATAUR"))
            edit->setToolTip(QStringLiteral("dzień-miesiąc-rok"));
        binder_.bindLineEdit(edit, field);
        controls_.insert(field, edit);
        form->addRow(QString::fromUtf8(box.label), edit);
    }
    for (const auto &[field, label] : {std::pair{"ZL1", "Podatek liniowy :"},
                                       std::pair{"ZL2", "Przychód z umowy najmu:"}}) {
        auto *check = new QCheckBox(QString::fromUtf8(label), panel);
        check->setObjectName(QString::fromLatin1(field));
        check->setLayoutDirection(Qt::RightToLeft);
        binder_.bindCheckBox(check, QString::fromLatin1(field));
        controls_.insert(QString::fromLatin1(field), check);
        form->addRow(check);
    }
    return panel;
}

void TPIT5F7::execute()
{
    binder_.refresh();
    exec();
}

void TPIT5F7::NowyClick()
{
    binder_.updateRecord();
    NewTaxpayer(dane_);
}

void TPIT5F7::ZapiszClick()
{
    binder_.updateRecord();
    // A failed save has been reported and the taxpayer's change dropped: nothing more to do.
    static_cast<void>(SaveTaxpayer(dane_, dane_.prompter()));
}

void TPIT5F7::UsunClick()
{
    DeleteTaxpayer(dane_, dane_.prompter());
}

void TPIT5F7::done(int result)
{
    // A change that could not be saved was reported and dropped; the window closes anyway.
    RunHandler(dane_.prompter(), [this] {
        binder_.updateRecord();
        static_cast<void>(CloseTaxpayerRegister(dane_, dane_.prompter()));
    });
    QDialog::done(result);
}
