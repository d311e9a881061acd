#pragma once
// The splash window shown while the program opens its tables: a picture, the program's
// name and the progress bar `budowa`.

#include <QWidget>

class QProgressBar;

class Tzero : public QWidget {
    Q_OBJECT

public:
    explicit Tzero(QWidget *parent = nullptr);

    QProgressBar *budowa() const { return budowa_; }
    void advance(int step);

private:
    QProgressBar *budowa_;
};
