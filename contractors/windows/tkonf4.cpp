#include "contractors/windows/tkonf4.h"

#include "contractors/contractor_envelope.h"
#include "contractors/envelope_margin_entry.h"
#include "contractors/envelope_margins.h"
#include "platform/widgets/guarded_handler.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TkonF4::TkonF4(Prompter &prompter, QWidget *parent)
    : QDialog(parent), prompter_(prompter), top_(new QLineEdit(this)), left_(new QLineEdit(this)),
      save_(new QPushButton(QStringLiteral("Zapisz"), this)),
      abandon_(new QPushButton(QStringLiteral("Zrezygnuj"), this))
{
    setObjectName(QStringLiteral("TkonF4"));
    setWindowTitle(QStringLiteral("Ustawienie marginesów"));
    auto *fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Margines górny"), this), 0, 0);
    fields->addWidget(top_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("mm"), this), 0, 2);
    fields->addWidget(new QLabel(QStringLiteral("Margines lewy"), this), 1, 0);
    fields->addWidget(left_, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("mm"), this), 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(abandon_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    save_->setDefault(true);
    connect(save_, &QPushButton::clicked, this, Guarded(prompter_, this, &TkonF4::ZapiszClick));
    connect(abandon_, &QPushButton::clicked, this, &QDialog::reject);
}

bool TkonF4::execute()
{
    FormShow();
    return exec() == QDialog::Accepted;
}

void TkonF4::FormShow()
{
    const std::optional<EnvelopeMargins> margins = readEnvelopeMargins(EnvelopeMarginsFile());
    top_->setText(margins ? MarginText(margins->topMm) : QString());
    left_->setText(margins ? MarginText(margins->leftMm) : QString());
}

void TkonF4::ZapiszClick()
{
    if (SaveEnvelopeMarginEntries(EnvelopeMarginsFile(), top_->text(), left_->text(), prompter_))
        accept();
}
