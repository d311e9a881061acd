#pragma once
// "Naprawa Indeksów": the START button runs the repair of every table the program opened;
// the log ERAP fills as each table is done and stays until the next run.
//
// The caller keeps one instance for the run:
//   TAWARIAF repair(dane, this);
//   repair.execute();   // true when a repair ran: the tables were opened again

#include "maintenance/index_repair.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class TDANE;

class TAWARIAF final : public QDialog {
    Q_OBJECT

public:
    explicit TAWARIAF(TDANE &dane, QWidget *parent = nullptr);

    bool execute();

    // Handlers.
    void STARTClick();

    QPushButton *startButton() const { return start_; }
    QPlainTextEdit *ERAP() const { return log_; }

private:
    TDANE &dane_;
    RepairLog repairLog_;
    QPushButton *start_ = nullptr;
    QPlainTextEdit *log_ = nullptr;
    bool repaired_ = false;
};
