#include "ledger/windows/tksiegaf.h"

#include "core/data_module.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

TKSIEGAF::TKSIEGAF(TDANE &dane, QWidget *parent) : QMainWindow(parent), dane_(dane)
{
    setObjectName(QStringLiteral("TKSIEGAF"));
    hint_ = addPanel(QStringLiteral("pomocnik"), 300);
    year_ = addPanel(QStringLiteral("rok"), 70);
    operator_ = addPanel(QStringLiteral("operator"), 150);
    posting_ = addPanel(QStringLiteral("data zamknięcia "), 100);
    auto *centre = new QWidget(this);
    auto *layout = new QVBoxLayout(centre);
    auto *title = new QLabel(QStringLiteral("PODATKOWA KSIĘGA PRZYCHODÓW i ROZCHODÓW"), centre);
    title->setObjectName(QStringLiteral("TYTUL"));
    QFont font = title->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 3);
    title->setFont(font);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    layout->addStretch();
    setCentralWidget(centre);
    resize(1024, 700);
    FormShow();
}

QLabel *TKSIEGAF::addPanel(const QString &text, int width)
{
    auto *panel = new QLabel(text, this);
    panel->setMinimumWidth(width);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar()->addWidget(panel, width == 300 ? 1 : 0);
    return panel;
}

void TKSIEGAF::FormShow()
{
    QString firmName;
    if (dane_.TFIRMA.isOpen() && !dane_.TFIRMA.isEmpty())
        firmName = dane_.TFIRMA.field(QStringLiteral("SKROT")).asString();
    setWindowTitle(QApplication::applicationDisplayName() + QLatin1Char(' ') + firmName);
    year_->setText(dane_.environment().workingYear);
    operator_->setText(dane_.environment().userName);
}
