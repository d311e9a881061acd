#include "pit5/windows/tpit5f5.h"

#include "core/data_module.h"
#include "core/table_access.h"
#include "pit5/declaration_rules.h"
#include "platform/prompter.h"
#include "platform/widgets/guarded_handler.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QList<CursorTableModel::Column> constantColumns()
{
    return {{QStringLiteral("NAZWA"), QStringLiteral("NAZWA"), {}},
            {QStringLiteral("JM"), QStringLiteral("JM"), {}},
            {QStringLiteral("WARTOSC"), QStringLiteral("WARTOŚĆ"), {}},
            {QStringLiteral("KWOTAMIN"), QStringLiteral("KWOTA"), {}}};
}

bool isEditable(const CursorTableModel &model, int column)
{
    const QString &field = model.columns().at(column).field;
    return field == QLatin1String("WARTOSC") || field == QLatin1String("KWOTAMIN");
}

} // namespace

ConstantsGridModel::ConstantsGridModel(TDANE &dane, QObject *parent)
    : CursorTableModel(dane.TSTALE, constantColumns(), parent), dane_(dane)
{
}

Qt::ItemFlags ConstantsGridModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = CursorTableModel::flags(index);
    if (index.isValid() && isEditable(*this, index.column()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant ConstantsGridModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::EditRole && index.isValid())
        return textAt(index.row(), columns().at(index.column()).field);
    return CursorTableModel::data(index, role);
}

bool ConstantsGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !isEditable(*this, index.column()))
        return false;
    Cursor &constants = cursor();
    try {
        constants.setRecNo(index.row());
        EnsureEditing(constants);
        constants.field(columns().at(index.column()).field).setAsString(value.toString());
    } catch (const DbError &error) {
        constants.cancel();
        dane_.prompter().error(error.message());
        return false;
    }
    return SaveTable(constants, dane_.prompter());
}

TPIT5F5::TPIT5F5(TDANE &dane, QWidget *parent)
    : QDialog(parent), dane_(dane), model_(dane), grid_(new QTableView(this))
{
    setObjectName(QStringLiteral("TPIT5F5"));
    setWindowTitle(QStringLiteral("Dane do naliczenia podatku"));
    grid_->setModel(&model_);
    grid_->verticalHeader()->hide();
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                           | QAbstractItemView::AnyKeyPressed);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    followCursor(grid_, &model_, dane_.prompter());
    auto *close = new QPushButton(QStringLiteral("Zamknij"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(640, 460);
    connect(this, &QDialog::finished, this, Guarded(dane_.prompter(), this, &TPIT5F5::FormClose));
}

void TPIT5F5::execute()
{
    FormShow();
    exec();
}

void TPIT5F5::FormShow()
{
    setConstantsInsertGuard(dane_, true);
    if (dane_.TSTALE.isOpen())
        dane_.TSTALE.first();
}

void TPIT5F5::FormClose()
{
    // A change that could not be saved was reported and dropped; the window has closed.
    static_cast<void>(SaveTable(dane_.TSTALE, dane_.prompter()));
    setConstantsInsertGuard(dane_, false);
}
