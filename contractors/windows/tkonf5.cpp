#include "contractors/windows/tkonf5.h"

#include "contractors/contractor_numbers.h"
#include "contractors/contractor_renumber.h"
#include "core/data_module.h"
#include "platform/widgets/guarded_handler.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TKONF5::TKONF5(TDANE &dane, QWidget *parent)
    : QDialog(parent), dane_(dane), ENR_(new QLineEdit(this)),
      change_(new QPushButton(QStringLiteral("Zmień"), this)),
      abandon_(new QPushButton(QStringLiteral("Przerwij"), this))
{
    setObjectName(QStringLiteral("TKONF5"));
    setWindowTitle(QStringLiteral("Zmiana numeru kontrahenta :"));
    ENR_->setObjectName(QStringLiteral("ENR"));
    ENR_->setInputMask(QStringLiteral("00000;_"));
    ENR_->setMaximumWidth(ENR_->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(change_);
    buttons->addWidget(abandon_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Podaj nowy numer kontrahenta :"), this));
    layout->addWidget(ENR_);
    layout->addLayout(buttons);
    change_->setDefault(true);
    connect(change_, &QPushButton::clicked, this, Guarded(dane_.prompter(), this, &TKONF5::ZmienClick));
    connect(abandon_, &QPushButton::clicked, this, &QDialog::reject);
}

bool TKONF5::execute()
{
    if (!dane_.TKontrah.isOpen() || dane_.TKontrah.recNo() < 0)
        return false;
    FormShow();
    exec();
    return renumbered_;
}

void TKONF5::FormShow()
{
    renumbered_ = false;
    ENR_->setText(ContractorNumberText(dane_.TKontrah.field(QStringLiteral("NR")).asInteger()));
    ENR_->selectAll();
    ENR_->setFocus();
}

void TKONF5::ZmienClick()
{
    renumbered_ = RenumberContractor(dane_, dane_.prompter(), ENR_->text());
    accept();
}
