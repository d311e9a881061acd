#pragma once
// A plain list of the contractor catalogue to pick a contractor from: the entry editor's
// catalogue button and "Katalog Kontrahentów" use it until the catalogue window is in the
// program. Picking leaves the contractor cursor on the contractor chosen.

#include "platform/widgets/cursor_table_model.h"

#include <QDialog>

class QPushButton;
class QTableView;
class TDANE;

class ContractorPicker final : public QDialog {
    Q_OBJECT

public:
    explicit ContractorPicker(TDANE &dane, QWidget *parent = nullptr);

    // True ("Yes") when a contractor was picked.
    bool execute();

    QTableView *grid() const { return grid_; }
    QPushButton *pickButton() const { return pick_; }

private:
    CursorTableModel model_;
    QTableView *grid_;
    QPushButton *pick_;
};
