#include "maintenance/windows/tksiegaf6.h"

#include "core/data_module.h"
#include "maintenance/year_change.h"
#include "platform/widgets/guarded_handler.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TKSIEGAF6::TKSIEGAF6(TDANE &dane, QWidget *parent) : QDialog(parent), dane_(dane)
{
    setObjectName(QStringLiteral("TKSIEGAF6"));
    setWindowTitle(QStringLiteral("Zmiana roku."));
    Lrok_ = new QListWidget(this);
    Lrok_->setObjectName(QStringLiteral("Lrok"));
    ZmienRok_ = new QPushButton(QStringLiteral("Zmień rok"), this);
    connect(ZmienRok_, &QPushButton::clicked, this, Guarded(dane_.prompter(), this, &TKSIEGAF6::ZmienRokClick));
    connect(Lrok_, &QListWidget::itemDoubleClicked, this, Guarded(dane_.prompter(), this, &TKSIEGAF6::ZmienRokClick));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Lrok_, 1);
    layout->addWidget(ZmienRok_);
    resize(220, 300);
}

bool TKSIEGAF6::execute()
{
    FormShow();
    return exec() == QDialog::Accepted;
}

void TKSIEGAF6::FormShow()
{
    Lrok_->clear();
    Lrok_->addItems(dane_.environment().years);
    const QList<QListWidgetItem *> working =
        Lrok_->findItems(dane_.environment().workingYear, Qt::MatchExactly);
    if (!working.isEmpty())
        Lrok_->setCurrentItem(working.constFirst());
}

void TKSIEGAF6::ZmienRokClick()
{
    const QListWidgetItem *selected = Lrok_->currentItem();
    if (!selected)
        return;
    ChangeWorkingYear(dane_, selected->text());
    accept();
}
