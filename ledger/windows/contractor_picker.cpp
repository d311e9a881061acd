#include "ledger/windows/contractor_picker.h"

#include "core/data_module.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

ContractorPicker::ContractorPicker(TDANE &dane, QWidget *parent)
    : QDialog(parent),
      model_(dane.TKontrah, {{QStringLiteral("NR"), QStringLiteral("Numer"), {}},
                             {QStringLiteral("NIP"), QStringLiteral("NIP"), {}},
                             {QStringLiteral("SKROT"), QStringLiteral("Nazwa skrócona"), {}},
                             {QStringLiteral("NAZWA1"), QStringLiteral("Nazwa"), {}},
                             {QStringLiteral("MIEJSC"), QStringLiteral("Miejscowość"), {}}})
{
    setObjectName(QStringLiteral("ContractorPicker"));
    setWindowTitle(QStringLiteral("Katalog kontrahentów"));
    auto *layout = new QVBoxLayout(this);
    grid_ = new QTableView(this);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    followCursor(grid_, &model_, dane.prompter());
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setColumnWidth(3, 260);
    connect(grid_, &QTableView::doubleClicked, this, &QDialog::accept);
    layout->addWidget(grid_);
    auto *buttons = new QDialogButtonBox(this);
    pick_ = buttons->addButton(QStringLiteral("Przenieś dane kontrahenta"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Zamknij"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(720, 420);
}

bool ContractorPicker::execute()
{
    return exec() == QDialog::Accepted && model_.rowCount() > 0;
}
