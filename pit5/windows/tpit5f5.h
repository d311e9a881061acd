#pragma once
// The tax constants window "Dane do naliczenia podatku": a grid of the constants whose value
// and monthly amount are edited in place; names and units are fixed, and no record can be
// added or deleted here.
//
// Opened from the declaration window's menu "Dane do naliczenia podatku".

#include "platform/widgets/cursor_table_model.h"

#include <QDialog>

class QTableView;
class TDANE;

// Edits go straight to the constant's record and are saved at once.
class ConstantsGridModel final : public CursorTableModel {
    Q_OBJECT

public:
    ConstantsGridModel(TDANE &dane, QObject *parent = nullptr);

    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    TDANE &dane_;
};

class TPIT5F5 final : public QDialog {
    Q_OBJECT

public:
    explicit TPIT5F5(TDANE &dane, QWidget *parent = nullptr);

    void execute();

    // Handlers.
    void FormShow();
    void FormClose();

    QTableView *grid() const { return grid_; }

private:
    TDANE &dane_;
    ConstantsGridModel model_;
    QTableView *grid_;
};
