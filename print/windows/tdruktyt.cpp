#include "print/windows/tdruktyt.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDRUKTYT::TDRUKTYT(QWidget *parent) : QDialog(parent), edit_(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Nazwa wydruku"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Podaj nazwę wydruku :"), this));
    layout->addWidget(edit_);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setMinimumWidth(400);
}

QString TDRUKTYT::ask(const QString &title)
{
    edit_->setText(title);
    edit_->selectAll();
    exec();
    return edit_->text();
}
