#include "ledger/windows/tspisf.h"

#include "ledger/stock_taking.h"
#include "platform/db_error.h"
#include "platform/prompter.h"
#include "platform/widgets/guarded_handler.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TSPISF::TSPISF(const QString &yearDirectory, Prompter &prompter, QWidget *parent)
    : QDialog(parent), yearDirectory_(yearDirectory), prompter_(prompter)
{
    setWindowTitle(QStringLiteral("Spis z natury"));
    auto *layout = new QVBoxLayout(this);
    list_ = new QTableWidget(0, 3, this);
    list_->setObjectName(QStringLiteral("DBSPIS"));
    list_->setHorizontalHeaderLabels(
        {QStringLiteral("Data"), QStringLiteral("Wartość"), QStringLiteral("Opis")});
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->verticalHeader()->hide();
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(list_, 1);

    auto *form = new QFormLayout;
    date_ = new QLineEdit(this);
    date_->setObjectName(QStringLiteral("DATA"));
    date_->setInputMask(QStringLiteral("9999.99.99;_"));
    value_ = new QLineEdit(this);
    value_->setObjectName(QStringLiteral("WARTOSC"));
    description_ = new QLineEdit(this);
    description_->setObjectName(QStringLiteral("OPIS"));
    description_->setMaxLength(50);
    form->addRow(QStringLiteral("Data spisu :"), date_);
    form->addRow(QStringLiteral("Wartość :"), value_);
    form->addRow(QStringLiteral("Opis :"), description_);
    layout->addLayout(form);

    auto *buttons = new QHBoxLayout;
    auto *add = new QPushButton(QStringLiteral("Dodaj"), this);
    add->setObjectName(QStringLiteral("DODAJ"));
    auto *remove = new QPushButton(QStringLiteral("Usuń"), this);
    remove->setObjectName(QStringLiteral("USUN"));
    auto *close = new QPushButton(QStringLiteral("Zamknij"), this);
    connect(add, &QPushButton::clicked, this, Guarded(prompter_, this, &TSPISF::DODAJClick));
    connect(remove, &QPushButton::clicked, this, Guarded(prompter_, this, &TSPISF::USUNClick));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(520, 360);
    showStockTakings();
}

void TSPISF::showStockTakings()
{
    QList<StockTaking> stockTakings;
    try {
        stockTakings = ReadStockTakings(yearDirectory_);
    } catch (const DbError &error) {
        prompter_.error(error.message());
    }
    list_->setRowCount(int(stockTakings.size()));
    for (int row = 0; row < stockTakings.size(); ++row) {
        const StockTaking &stockTaking = stockTakings[row];
        auto *value = new QTableWidgetItem(stockTaking.value.toString());
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        list_->setItem(row, 0, new QTableWidgetItem(stockTaking.date));
        list_->setItem(row, 1, value);
        list_->setItem(row, 2, new QTableWidgetItem(stockTaking.description));
    }
}

void TSPISF::DODAJClick()
{
    QString error;
    const std::optional<StockTaking> stockTaking =
        TypedStockTaking(date_->text(), value_->text(), description_->text(), error);
    if (!stockTaking) {
        prompter_.error(error);
        return;
    }
    if (!AddStockTaking(yearDirectory_, *stockTaking, prompter_))
        return;
    value_->clear();
    description_->clear();
    showStockTakings();
}

void TSPISF::USUNClick()
{
    const int row = list_->currentRow();
    if (row < 0 || !list_->item(row, 0))
        return;
    const QString date = list_->item(row, 0)->text();
    if (!prompter_.confirm(QStringLiteral("Czy usunąć spis z natury z dnia %1 ?").arg(date)))
        return;
    DeleteStockTaking(yearDirectory_, date, prompter_);
    showStockTakings();
}
