#include "platform/widgets/qt_progress.h"

#include <QCoreApplication>
#include <QProgressDialog>

QtProgress::QtProgress(QWidget *parent) : m_parent(parent) {}

QtProgress::~QtProgress() = default;

void QtProgress::start(const QString &title, int maximum)
{
    m_dialog = std::make_unique<QProgressDialog>(m_parent);
    m_dialog->setWindowTitle(QStringLiteral("Postęp ..."));
    m_dialog->setLabelText(title);
    m_dialog->setCancelButton(nullptr);
    m_dialog->setRange(0, maximum);
    m_dialog->setWindowModality(Qt::NonModal);
    // Reaching the maximum must not hide or rewind the gauge; stop() closes the window.
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
    m_dialog->setMinimumDuration(0);
    m_dialog->setValue(0);
    m_dialog->show();
    QCoreApplication::processEvents();
}

void QtProgress::step()
{
    if (!m_dialog)
        return;
    m_dialog->setValue(m_dialog->value() + 1);
    // The walk runs on the window's thread; without this the gauge would never repaint.
    QCoreApplication::processEvents();
}

void QtProgress::stop()
{
    m_dialog.reset();
}
