#include "print/windows/tksiegad3.h"

#include "platform/print/report.h"
#include "platform/widgets/report_preview.h"
#include "print/statement_form.h"
#include "print/windows/qt_ledger_print_devices.h"
#include "platform/widgets/guarded_handler.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TKsiegaD3::TKsiegaD3(Prompter &prompter, QWidget *parent)
    : QDialog(parent), prompter_(prompter), report_(std::make_unique<Report>())
{
    setObjectName(QStringLiteral("TKsiegaD3"));
    setWindowTitle(QStringLiteral("Oświadczenie"));
    auto *form = new QFormLayout;
    for (const StatementField &field : StatementFields()) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(field.name);
        edit->setMinimumWidth(320);
        form->addRow(field.caption, edit);
        edits_ << edit;
    }
    preview_ = new QPushButton(QStringLiteral("Podgląd"), this);
    print_ = new QPushButton(QStringLiteral("Wydruk"), this);
    connect(preview_, &QPushButton::clicked, this, Guarded(prompter_, this, &TKsiegaD3::PodgladClick));
    connect(print_, &QPushButton::clicked, this, Guarded(prompter_, this, &TKsiegaD3::WydrukClick));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(preview_);
    buttons->addWidget(print_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    BuildStatementForm(*report_, values_);
}

TKsiegaD3::~TKsiegaD3() = default;

void TKsiegaD3::copyValues()
{
    values_.clear();
    for (const QLineEdit *edit : edits_)
        values_ << edit->text();
}

void TKsiegaD3::PodgladClick()
{
    copyValues();
    previewReport(*report_, prompter_, this);
}

void TKsiegaD3::WydrukClick()
{
    copyValues();
    PrintOnChosenPrinter(*report_, prompter_, this);
}
