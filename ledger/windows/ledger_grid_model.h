#pragma once
// The ledger grid's model: the columns of the working year's book over the shared ledger
// cursor, the headings of the chosen layout, and the L.p. cell of a marked entry (OZN "*")
// painted silver.

#include "ledger/ledger_columns.h"
#include "platform/widgets/cursor_table_model.h"

class LedgerGridModel final : public CursorTableModel {
    Q_OBJECT

public:
    LedgerGridModel(Cursor &ledger, BookForm form, QObject *parent = nullptr);

    // The columns of a book of this form, with their start headings.
    void showBook(BookForm form);
    const QList<LedgerColumn> &bookColumns() const { return LedgerColumns(form_); }
    // The headings the grid starts with: the book's own multi-line titles.
    void showStartHeadings();
    void setHeadingLayout(HeadingLayout layout);
    HeadingLayout headingLayout() const { return layout_; }
    // The group header of each column as the headings now stand.
    const QStringList &groups() const { return groups_; }
    // Lines the current titles need.
    int titleLines() const { return titleLines_; }

    static QColor markedColour();

private:
    BookForm form_;
    QStringList groups_;
    HeadingLayout layout_ = HeadingLayout::Full;
    int titleLines_ = FullHeadingLines;
};
