#include "imports/windows/tksiegaf9.h"

#include "core/data_module.h"
#include "core/table_access.h"
#include "platform/widgets/field_binder.h"
#include "platform/widgets/guarded_handler.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TKSIEGAF9::TKSIEGAF9(TDANE &dane, QWidget *parent)
    : QDialog(parent), dane_(dane), binder_(new FieldBinder(dane.TPARA, dane.prompter(), this))
{
    setObjectName(QStringLiteral("TKSIEGAF9"));
    setWindowTitle(QStringLiteral("Parametry programu"));

    auto *mode = new QGroupBox(QStringLiteral("Rodzaj importu sprzedaży :"), this);
    everyInvoice_ = new QRadioButton(QStringLiteral("Import wszystkich faktur"), mode);
    monthlySummary_ = new QRadioButton(QStringLiteral("Import zbiorczy miesieczny"), mode);
    auto *modes = new QButtonGroup(this);
    modes->addButton(everyInvoice_, 0);
    modes->addButton(monthlySummary_, 1);
    binder_->bindButtonGroup(modes, QStringLiteral("L3"));
    auto *modeLayout = new QVBoxLayout(mode);
    modeLayout->addWidget(everyInvoice_);
    modeLayout->addWidget(monthlySummary_);

    keepColumnsApart_ =
        new QCheckBox(QStringLiteral("Import pozycji analitycznych jeżeli pozycje są przypisane"), this);
    keepColumnsApart_->setObjectName(QStringLiteral("B1"));
    binder_->bindCheckBox(keepColumnsApart_, QStringLiteral("B1"));
    auto *columnsLabel = new QLabel(QStringLiteral("do różnych kolumn księgi."), this);
    columnsLabel->setIndent(24);

    auto *close = new QPushButton(QStringLiteral("Zamknij"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mode);
    layout->addWidget(keepColumnsApart_);
    layout->addWidget(columnsLabel);
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(this, &QDialog::finished, this, Guarded(dane.prompter(), this, &TKSIEGAF9::FormClose));
}

void TKSIEGAF9::execute()
{
    Cursor &parameters = dane_.TPARA;
    if (!parameters.isOpen() || parameters.isEmpty())
        return;
    parameters.first();
    binder_->refresh();
    exec();
}

void TKSIEGAF9::FormClose()
{
    binder_->updateRecord();
    Cursor &parameters = dane_.TPARA;
    // A failed save has said so and dropped the change; the dialog closes either way.
    if (parameters.isEditing())
        static_cast<void>(SaveTable(parameters, dane_.prompter()));
}
