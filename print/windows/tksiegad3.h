#pragma once
// The statement form "Oświadczenie": sixteen edit boxes whose values the printed form
// carries, "Podgląd" to preview it and "Wydruk" to print it. Nothing is stored.

#include <QDialog>
#include <QList>
#include <QStringList>

#include <memory>

class QLineEdit;
class QPushButton;
class Prompter;
class Report;

class TKsiegaD3 final : public QDialog {
    Q_OBJECT

public:
    explicit TKsiegaD3(Prompter &prompter, QWidget *parent = nullptr);
    ~TKsiegaD3() override;

    QLineEdit *edit(int index) const { return edits_.at(index); }
    QPushButton *previewButton() const { return preview_; }
    QPushButton *printButton() const { return print_; }

    void PodgladClick();
    void WydrukClick();

private:
    void copyValues();

    Prompter &prompter_;
    QList<QLineEdit *> edits_;
    QPushButton *preview_;
    QPushButton *print_;
    QStringList values_;
    std::unique_ptr<Report> report_;
};
