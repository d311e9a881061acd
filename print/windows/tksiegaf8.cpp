#include "print/windows/tksiegaf8.h"

#include "core/data_module.h"
#include "core/table_access.h"
#include "platform/widgets/field_binder.h"
#include "platform/widgets/guarded_handler.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TKSIEGAF8::TKSIEGAF8(TDANE &dane, QWidget *parent)
    : QDialog(parent), dane_(dane), binder_(new FieldBinder(dane.TPARA, dane.prompter(), this))
{
    setObjectName(QStringLiteral("TKSIEGAF8"));
    setWindowTitle(QStringLiteral("Parametry wydruku"));
    const auto marginEdit = [this](const QString &field) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(field);
        edit->setMaximumWidth(60);
        edit->setValidator(new QIntValidator(0, 99, edit));
        binder_->bindLineEdit(edit, field);
        return edit;
    };

    auto *ledger = new QGroupBox(QStringLiteral("Ustawienie marginesów dla wydruku KSIĘGI"), this);
    auto *ledgerForm = new QFormLayout(ledger);
    ledgerForm->addRow(QStringLiteral("Margines górny w [mm]"), marginEdit(QStringLiteral("P2")));
    ledgerForm->addRow(QStringLiteral("Margines lewy w [mm]"), marginEdit(QStringLiteral("P3")));

    auto *declaration = new QGroupBox(QStringLiteral("Ustawienie parametrów dla wydruku PIT 5"), this);
    auto *correction = new QGroupBox(QStringLiteral("Korekta marginesu przy nadruku"), declaration);
    auto *correctionForm = new QFormLayout(correction);
    correctionForm->addRow(QStringLiteral("Lewy"), marginEdit(QStringLiteral("ML")));
    correctionForm->addRow(QStringLiteral("Górny"), marginEdit(QStringLiteral("MG")));
    auto *kind = new QGroupBox(QStringLiteral("Rodzaj wydruku :"), declaration);
    plain_ = new QRadioButton(QStringLiteral("Wydruk  (A4)"), kind);
    form_ = new QRadioButton(QStringLiteral("Nadruk  (A4)"), kind);
    auto *kindLayout = new QVBoxLayout(kind);
    kindLayout->addWidget(plain_);
    kindLayout->addWidget(form_);
    // The choice is a truth value, not an index: "Wydruk" stores true, "Nadruk" false.
    for (QRadioButton *choice : {plain_, form_})
        connect(choice, &QRadioButton::clicked, this, Guarded(dane_.prompter(), [this, choice] {
            EnsureEditing(dane_.TPARA);
            dane_.TPARA.field(QStringLiteral("ZL1")).setBoolean(choice == plain_);
        }));
    auto *declarationLayout = new QHBoxLayout(declaration);
    declarationLayout->addWidget(correction);
    declarationLayout->addWidget(kind);

    auto *close = new QPushButton(QStringLiteral("Zamknij"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ledger);
    layout->addWidget(declaration);
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(this, &QDialog::finished, this, Guarded(dane_.prompter(), this, &TKSIEGAF8::FormClose));
}

QLineEdit *TKSIEGAF8::edit(const QString &field) const
{
    return findChild<QLineEdit *>(field);
}

void TKSIEGAF8::execute()
{
    Cursor &parameters = dane_.TPARA;
    if (!parameters.isOpen() || parameters.isEmpty())
        return;
    parameters.first();
    binder_->refresh();
    const bool plain = parameters.field(QStringLiteral("ZL1")).asBoolean();
    plain_->setChecked(plain);
    form_->setChecked(!plain);
    exec();
}

void TKSIEGAF8::FormClose()
{
    binder_->updateRecord();
    Cursor &parameters = dane_.TPARA;
    // A failed save has said so and dropped the change; the dialog closes either way.
    if (parameters.isEditing())
        static_cast<void>(SaveTable(parameters, dane_.prompter()));
}
