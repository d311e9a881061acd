#include "print/windows/tpraca.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

TPRACA::TPRACA(QWidget *parent)
    : QWidget(parent, Qt::Window), label_(new QLabel(this)), gauge_(new QProgressBar(this))
{
    setWindowTitle(QStringLiteral("Postęp ..."));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(gauge_);
    setMinimumWidth(360);
}

QString TPRACA::title() const
{
    return label_->text();
}

void TPRACA::start(const QString &title, int maximum)
{
    label_->setText(title);
    position_ = 0;
    maximum_ = qMax(maximum, 0);
    gauge_->setRange(0, maximum_);
    gauge_->setValue(0);
    show();
    repaint();
    QCoreApplication::processEvents();
}

// The walk runs on the window's thread. Repainting on every step would cost more than the
// walk when it counts characters; a change of the whole percent shown is enough.
void TPRACA::step()
{
    const int before = percent();
    ++position_;
    gauge_->setValue(qMin(position_, maximum_));
    if (percent() != before)
        QCoreApplication::processEvents();
}

int TPRACA::percent() const
{
    return maximum_ > 0 ? int(qint64(qMin(position_, maximum_)) * 100 / maximum_) : 0;
}

void TPRACA::stop()
{
    position_ = 0;
    gauge_->setValue(0);
    close();
}
