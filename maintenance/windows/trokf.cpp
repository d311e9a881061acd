#include "maintenance/windows/trokf.h"

#include "core/data_module.h"
#include "maintenance/year_opening.h"
#include "platform/widgets/guarded_handler.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

TROKF::TROKF(TDANE &dane, QWidget *parent) : QDialog(parent), dane_(dane)
{
    setObjectName(QStringLiteral("TROKF"));
    setWindowTitle(QStringLiteral("Otwarcie baz na nowy rok"));
    EROK_ = new QLineEdit(this);
    EROK_->setObjectName(QStringLiteral("EROK"));
    SROK_ = new QLineEdit(this);
    SROK_->setObjectName(QStringLiteral("SROK"));
    EDR_ = new QLineEdit(this);
    EDR_->setObjectName(QStringLiteral("EDR"));
    EMEMO_ = new QPlainTextEdit(this);
    EMEMO_->setObjectName(QStringLiteral("EMEMO"));
    EMEMO_->setReadOnly(true);
    EMEMO_->setLineWrapMode(QPlainTextEdit::NoWrap);
    START_ = new QPushButton(QStringLiteral("START"), this);
    PRZERWIJ_ = new QPushButton(QStringLiteral("PRZERWIJ"), this);
    connect(START_, &QPushButton::clicked, this, Guarded(dane_.prompter(), this, &TROKF::STARTClick));
    connect(PRZERWIJ_, &QPushButton::clicked, this, Guarded(dane_.prompter(), this, &TROKF::PRZERWIJClick));

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Otwarcie baz na rok :"), EROK_);
    fields->addRow(QStringLiteral("na podstawie roku :"), SROK_);
    fields->addRow(QStringLiteral("Katalog :"), EDR_);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(START_);
    buttons->addWidget(PRZERWIJ_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->addWidget(EMEMO_, 1);
    resize(620, 420);
}

void TROKF::execute()
{
    FormShow();
    exec();
}

void TROKF::FormShow()
{
    const YearOpening proposed = ProposedYearOpening(dane_.environment());
    EROK_->setText(proposed.year);
    SROK_->setText(proposed.sourceYear);
    EDR_->setText(proposed.directory);
    EMEMO_->clear();
}

void TROKF::STARTClick()
{
    START_->setEnabled(false);
    // START is pressed again after a failure too, once its cause is removed.
    const auto enableStart = qScopeGuard([this] { START_->setEnabled(true); });
    OpenNewYear({EROK_->text().trimmed(), SROK_->text().trimmed(), EDR_->text().trimmed()},
                dane_.environment(), dane_.prompter(), [this](const QString &line) {
                    EMEMO_->appendPlainText(line);
                    // The log is the window's progress: it shows each step as it happens.
                    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                });
}

void TROKF::PRZERWIJClick()
{
    close();
}
