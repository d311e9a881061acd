#pragma once
// The title prompt "Nazwa wydruku": the report's title, to be confirmed or changed.

#include <QDialog>

class QLineEdit;

class TDRUKTYT final : public QDialog {
    Q_OBJECT

public:
    explicit TDRUKTYT(QWidget *parent = nullptr);

    // Shows the prompt filled with the title (modal); the text in the field when it closes.
    QString ask(const QString &title);
    QLineEdit *titleEdit() const { return edit_; }

private:
    QLineEdit *edit_;
};
