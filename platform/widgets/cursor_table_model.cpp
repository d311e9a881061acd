#include "platform/widgets/cursor_table_model.h"

#include "platform/db_error.h"
#include "platform/field_values.h"
#include "platform/prompter.h"
#include "platform/widgets/guarded_handler.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

namespace {

constexpr int CacheLimit = 4096;

// "### ### ##0.00": amounts grouped by thousands with spaces, two decimals.
QString groupedAmount(const Money &amount)
{
    QString text = amount.toString(2, QLatin1Char(','));
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        text.remove(0, 1);
    for (int at = int(text.indexOf(QLatin1Char(','))) - 3; at > 0; at -= 3)
        text.insert(at, QLatin1Char(' '));
    return negative ? QLatin1Char('-') + text : text;
}

} // namespace

CursorTableModel::CursorTableModel(Cursor &cursor, QList<Column> columns, QObject *parent)
    : QAbstractTableModel(parent), cursor_(cursor), columns_(std::move(columns))
{
    rows_ = cursor_.isOpen() ? cursor_.recordCount() : 0;
    connect(&cursor_, &Cursor::rowsReset, this, &CursorTableModel::reset);
    connect(&cursor_, &Cursor::stateChanged, this, [this](Cursor::State state) {
        if (state == Cursor::State::Inactive)
            reset();
    });
    connect(&cursor_, &Cursor::rowInserted, this, [this](int position) {
        cache_.clear();
        beginInsertRows(QModelIndex(), position, position);
        rows_ = cursor_.recordCount();
        endInsertRows();
    });
    connect(&cursor_, &Cursor::rowRemoved, this, [this](int position) {
        cache_.clear();
        beginRemoveRows(QModelIndex(), position, position);
        rows_ = cursor_.recordCount();
        endRemoveRows();
    });
    connect(&cursor_, &Cursor::rowUpdated, this, [this](int position) {
        cache_.remove(position);
        emit dataChanged(index(position, 0), index(position, columnCount() - 1));
    });
    connect(&cursor_, &Cursor::fieldChanged, this, [this](int) {
        const int row = cursor_.recNo();
        if (row < 0)
            return;
        cache_.remove(row);
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    connect(&cursor_, &Cursor::currentChanged, this, [this] {
        const int row = cursor_.recNo();
        cache_.remove(row);
        if (row >= 0 && row < rows_)
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        emit currentRowChanged(row);
    });
}

void CursorTableModel::reset()
{
    beginResetModel();
    cache_.clear();
    rows_ = cursor_.isOpen() ? cursor_.recordCount() : 0;
    endResetModel();
    emit currentRowChanged(cursor_.recNo());
}

void CursorTableModel::setColumns(QList<Column> columns)
{
    beginResetModel();
    columns_ = std::move(columns);
    endResetModel();
    emit currentRowChanged(cursor_.recNo());
}

void CursorTableModel::setColumnTitle(int column, const QString &title)
{
    columns_[column].title = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int CursorTableModel::fieldColumn(const QString &field) const
{
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int CursorTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int CursorTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

const QVariantList &CursorTableModel::valuesOf(int row) const
{
    auto cached = cache_.constFind(row);
    if (cached != cache_.cend())
        return cached.value();
    if (cache_.size() > CacheLimit)
        cache_.clear();
    // While controls are disabled the cursor walks elsewhere: nothing is fetched then.
    QVariantList values;
    // A row that cannot be read (a table held by another program, a damaged file) shows
    // blank: painting cannot report it, and a failure thrown at every repaint would bring the
    // error box back for ever. Moving onto the row says why.
    try {
        if (!cursor_.controlsDisabled() && cursor_.isOpen() && row < cursor_.recordCount())
            values = cursor_.valuesAt(row);
    } catch (const DbError &) {
        // Left blank, as said above.
    }
    return cache_.insert(row, values).value();
}

QString CursorTableModel::defaultText(const QVariant &stored, const FieldDef &field)
{
    if (!stored.isValid())
        return QString();
    if (isCurrencyType(field.type))
        return groupedAmount(Money::fromUnits(stored.toLongLong()));
    return textFromStored(field, stored);
}

QString CursorTableModel::textAt(int row, const QString &field) const
{
    const int number = cursor_.fieldIndex(field);
    const QVariantList &values = valuesOf(row);
    if (number < 0 || number >= values.size())
        return QString();
    return textFromStored(cursor_.field(number).definition(), values[number]);
}

QVariant CursorTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows_)
        return QVariant();
    if (cellStyle_ && role != Qt::DisplayRole) {
        const QVariant styled = cellStyle_(index.row(), index.column(), role);
        if (styled.isValid())
            return styled;
    }
    const Column &column = columns_[index.column()];
    const int number = cursor_.fieldIndex(column.field);
    if (number < 0)
        return QVariant();
    const FieldDef &definition = cursor_.field(number).definition();
    if (role == Qt::TextAlignmentRole) {
        const bool numeric = isCurrencyType(definition.type) || isIntegerType(definition.type)
                             || definition.type == FieldType::Float;
        return QVariant::fromValue(Qt::AlignVCenter | (numeric ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    const QVariantList &values = valuesOf(index.row());
    if (number >= values.size())
        return QVariant();
    return column.format ? column.format(values[number], definition)
                         : defaultText(values[number], definition);
}

QVariant CursorTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= columns_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return columns_[section].title;
}

void followCursor(QTableView *view, CursorTableModel *model, Prompter &prompter)
{
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    auto select = [view, model](int row) {
        if (row < 0) {
            // No record (a new one being typed): any row picked afterwards is a move.
            view->selectionModel()->clearCurrentIndex();
            return;
        }
        if (row >= model->rowCount())
            return;
        const QModelIndex target = model->index(row, std::max(0, view->currentIndex().column()));
        if (view->currentIndex().row() != row)
            view->setCurrentIndex(target);
        view->scrollTo(target);
    };
    QObject::connect(model, &CursorTableModel::currentRowChanged, view, select);
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, view,
                     [model, &prompter, select](const QModelIndex &current) {
                         Cursor &cursor = model->cursor();
                         if (!current.isValid() || !cursor.isOpen() || cursor.controlsDisabled()
                             || cursor.recNo() == current.row())
                             return;
                         if (!RunHandler(prompter, [&] { cursor.setRecNo(current.row()); }))
                             select(cursor.recNo());
                     });
    select(model->cursor().recNo());
}
