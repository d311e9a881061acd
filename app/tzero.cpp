#include "app/tzero.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// A ledger page in the program's colours: ruled lines under a green band.
QPixmap splashPicture()
{
    QPixmap picture(420, 220);
    QPainter painter(&picture);
    QLinearGradient band(0, 0, 0, 220);
    band.setColorAt(0, QColor(0x2E, 0x6B, 0x3F));
    band.setColorAt(1, QColor(0xC0, 0xDC, 0xC0));
    painter.fillRect(picture.rect(), band);
    painter.setPen(QPen(QColor(255, 255, 255, 120), 1));
    for (int y = 40; y < 220; y += 18)
        painter.drawLine(20, y, 400, y);
    for (int x : {60, 150, 300})
        painter.drawLine(x, 40, x, 210);
    QFont font = painter.font();
    font.setPointSize(28);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("KPiR"));
    return picture;
}

} // namespace

Tzero::Tzero(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Tzero"));
    setWindowTitle(QStringLiteral("Dzień dobry"));
    auto *layout = new QVBoxLayout(this);
    auto *picture = new QLabel(this);
    picture->setPixmap(splashPicture());
    layout->addWidget(picture);
    auto *caption = new QLabel(QStringLiteral("KSIĘGA Przychodów i Rozchodów"), this);
    QFont font = caption->font();
    font.setPointSize(font.pointSize() + 4);
    font.setBold(true);
    caption->setFont(font);
    caption->setAlignment(Qt::AlignCenter);
    layout->addWidget(caption);
    budowa_ = new QProgressBar(this);
    budowa_->setObjectName(QStringLiteral("budowa"));
    budowa_->setRange(0, 100);
    budowa_->setValue(0);
    budowa_->setTextVisible(false);
    layout->addWidget(budowa_);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void Tzero::advance(int step)
{
    budowa_->setValue(budowa_->value() + step);
    repaint();
}
