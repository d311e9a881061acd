#include "maintenance/windows/tawariaf.h"

#include "core/data_module.h"
#include "platform/widgets/guarded_handler.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TAWARIAF::TAWARIAF(TDANE &dane, QWidget *parent) : QDialog(parent), dane_(dane)
{
    setObjectName(QStringLiteral("TAWARIAF"));
    setWindowTitle(QStringLiteral("Naprawa Indeksów"));
    start_ = new QPushButton(QStringLiteral("START"), this);
    log_ = new QPlainTextEdit(this);
    log_->setObjectName(QStringLiteral("ERAP"));
    log_->setReadOnly(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(start_);
    layout->addWidget(log_, 1);
    resize(560, 420);
    connect(start_, &QPushButton::clicked, this, Guarded(dane_.prompter(), this, &TAWARIAF::STARTClick));
    // Each table can take a while: the log is shown as it grows.
    repairLog_.onChange([this](const QStringList &lines) {
        log_->setPlainText(lines.join(QLatin1Char('\n')));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}

bool TAWARIAF::execute()
{
    repaired_ = false;
    exec();
    return repaired_;
}

void TAWARIAF::STARTClick()
{
    if (NaprawaIndeksow(dane_, dane_.prompter(), repairLog_).started)
        repaired_ = true;
}
