#include "ledger/windows/ledger_grid_model.h"

#include "platform/prompter.h"

#include <QColor>

namespace {

QList<CursorTableModel::Column> gridColumns(BookForm form)
{
    QList<CursorTableModel::Column> columns;
    for (const LedgerColumn &column : LedgerColumns(form))
        columns << CursorTableModel::Column{column.field, displayText(column.title), {}};
    return columns;
}

} // namespace

LedgerGridModel::LedgerGridModel(Cursor &ledger, BookForm form, QObject *parent)
    : CursorTableModel(ledger, {}, parent), form_(form)
{
    showBook(form);
    setCellStyle([this](int row, int column, int role) -> QVariant {
        if (role == Qt::BackgroundRole && column == 0 && textAt(row, QStringLiteral("OZN")) == QLatin1String("*"))
            return markedColour();
        return QVariant();
    });
}

QColor LedgerGridModel::markedColour()
{
    return QColor(0xC0, 0xC0, 0xC0);
}

void LedgerGridModel::showBook(BookForm form)
{
    form_ = form;
    setColumns(gridColumns(form));
    showStartHeadings();
}

void LedgerGridModel::showStartHeadings()
{
    groups_.clear();
    titleLines_ = 1;
    const QList<LedgerColumn> &columns = bookColumns();
    for (int i = 0; i < columns.size(); ++i) {
        const QString title = displayText(columns[i].title);
        setColumnTitle(i, title);
        groups_ << columns[i].group;
        titleLines_ = std::max(titleLines_, int(title.count(QLatin1Char('\n'))) + 1);
    }
    layout_ = HeadingLayout::Full;
}

void LedgerGridModel::setHeadingLayout(HeadingLayout layout)
{
    layout_ = layout;
    groups_.clear();
    const QList<LedgerColumn> &columns = bookColumns();
    const bool full = layout == HeadingLayout::Full;
    for (int i = 0; i < columns.size(); ++i) {
        // The research costs keep whatever heading they have.
        if (columns[i].field != QLatin1String("K17"))
            setColumnTitle(i, full ? columns[i].full : columns[i].brief);
        groups_ << (full ? columns[i].fullGroup : QString());
    }
    titleLines_ = layout == HeadingLayout::Full ? FullHeadingLines : 1;
}
