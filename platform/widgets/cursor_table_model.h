#pragma once
// A grid's view of a cursor: one row per record the cursor can reach, in the cursor's order
// and under its range and filter, one column per chosen field. Records are fetched as rows
// are painted, so a grid over 100 000 entries costs what one screen costs. The model follows
// the cursor's notifications and stays frozen while the cursor's controls are disabled.

#include "platform/cursor.h"

#include <QAbstractTableModel>
#include <QHash>
#include <functional>

class QTableView;

class CursorTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using Format = std::function<QString(const QVariant &stored, const FieldDef &field)>;
    struct Column {
        QString field;
        QString title;  // "\n" separates heading lines
        Format format;  // empty: amounts as "1 234,56", everything else as its text
    };
    // Colour or font of a cell, decided from the row's record: (row, column, role).
    using CellStyle = std::function<QVariant(int row, int column, int role)>;

    CursorTableModel(Cursor &cursor, QList<Column> columns, QObject *parent = nullptr);

    Cursor &cursor() const { return cursor_; }
    const QList<Column> &columns() const { return columns_; }
    // Shows other columns of the same records; views of the model start their columns anew.
    void setColumns(QList<Column> columns);
    void setColumnTitle(int column, const QString &title);
    int fieldColumn(const QString &field) const; // -1 when the field is not shown
    void setCellStyle(CellStyle style) { cellStyle_ = std::move(style); }
    // The text of any field (shown or not) of the record on a row, for styles and tests.
    QString textAt(int row, const QString &field) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    static QString defaultText(const QVariant &stored, const FieldDef &field);

signals:
    void currentRowChanged(int row);

private:
    void reset();
    const QVariantList &valuesOf(int row) const;

    Cursor &cursor_;
    QList<Column> columns_;
    int rows_ = 0;
    mutable QHash<int, QVariantList> cache_;
    CellStyle cellStyle_;
};

class Prompter;

// Keeps a table view's current row and the cursor's current record the same, both ways. A
// move the cursor refuses (a pending record that cannot be saved) is reported through the
// prompter and the view returns to the cursor's record.
void followCursor(QTableView *view, CursorTableModel *model, Prompter &prompter);
