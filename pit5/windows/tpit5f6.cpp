#include "pit5/windows/tpit5f6.h"

#include "core/data_module.h"
#include "platform/widgets/guarded_handler.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPIT5F6::TPIT5F6(TDANE &dane, QWidget *parent)
    : QDialog(parent), binder_(dane.TDEK, dane.prompter()), period_(new QLineEdit(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("TPIT5F6"));
    setWindowTitle(QStringLiteral("Oznaczenie deklaracji"));
    period_->setObjectName(QStringLiteral("P4"));
    period_->setInputMask(QStringLiteral("99-9999;_"));
    binder_.bindLineEdit(period_, QStringLiteral("P4"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, Guarded(dane.prompter(), this, &TPIT5F6::OKClick));

    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Miesiąc i rok deklaracji :"), this));
    row->addWidget(period_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(ok_, 0, Qt::AlignHCenter);
}

void TPIT5F6::execute()
{
    binder_.refresh();
    period_->setFocus();
    exec();
}

void TPIT5F6::OKClick()
{
    binder_.updateRecord();
    accept();
}
