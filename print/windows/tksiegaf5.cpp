#include "print/windows/tksiegaf5.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TKSIEGAF5::TKSIEGAF5(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TKSIEGAF5"));
    setWindowTitle(QStringLiteral("Ustawienie numeratora stron."));
    month_ = new QLineEdit(this);
    month_->setReadOnly(true);
    month_->setMaximumWidth(50);
    number_ = new QLineEdit(this);
    number_->setObjectName(QStringLiteral("Edit1"));
    number_->setMaximumWidth(80);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Wydruk książki dla mc "), month_);
    form->addRow(QStringLiteral("Numeracja stron rozpocznie się od numeru"), number_);
    auto *close = new QPushButton(QStringLiteral("Zamknij"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("Jeśli numer jest nieprawidłowy podaj nowy numer"), this));
    layout->addWidget(close, 0, Qt::AlignRight);
}

QString TKSIEGAF5::ask(const QString &month, int proposed)
{
    month_->setText(month);
    number_->setText(QString::number(proposed));
    number_->selectAll();
    number_->setFocus();
    exec();
    return number_->text();
}
