#include "platform/widgets/qt_progress.h"

#include <QCoreApplication>
#include <QProgressDialog>

QtProgress::QtProgress(QWidget *parent) : parent_(parent) {}

QtProgress::~QtProgress() = default;

void QtProgress::start(const QString &title, int maximum)
{
    dialog_ = std::make_unique<QProgressDialog>(parent_);
    dialog_->setWindowTitle(QStringLiteral("Postęp ..."));
    dialog_->setLabelText(title);
    dialog_->setCancelButton(nullptr);
    dialog_->setRange(0, maximum);
    dialog_->setWindowModality(Qt::NonModal);
    // Reaching the maximum must not hide or rewind the gauge; stop() closes the window.
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
    dialog_->setMinimumDuration(0);
    dialog_->setValue(0);
    dialog_->show();
    QCoreApplication::processEvents();
}

void QtProgress::step()
{
    if (!dialog_)
        return;
    dialog_->setValue(dialog_->value() + 1);
    // The walk runs on the window's thread; without this the gauge would never repaint.
    QCoreApplication::processEvents();
}

void QtProgress::stop()
{
    dialog_.reset();
}
