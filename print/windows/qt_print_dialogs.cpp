#include "print/windows/qt_print_dialogs.h"

#include "print/windows/print_engine_window.h"
#include "print/windows/tdruktyt.h"

#include <QFileDialog>

QtPrintDialogs::QtPrintDialogs(QSettings &settings, QWidget *parent)
    : settings_(settings), parent_(parent)
{
}

QtPrintDialogs::~QtPrintDialogs() = default;

PrintEngineWindow &QtPrintDialogs::engineWindow()
{
    Q_ASSERT(engine_);
    if (!window_)
        window_ = std::make_unique<PrintEngineWindow>(*engine_, settings_, parent_);
    return *window_;
}

QString QtPrintDialogs::askTitle(const QString &currentTitle)
{
    if (!titlePrompt_)
        titlePrompt_ = std::make_unique<TDRUKTYT>(parent_);
    return titlePrompt_->ask(currentTitle);
}

std::optional<QString> QtPrintDialogs::exportFileName(const QString &defaultName,
                                                      const QString &defaultSuffix)
{
    QFileDialog dialog(parent_, QStringLiteral("Zapisz wydruk do pliku"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setNameFilter(QStringLiteral("Plik tekstowy (*.%1)").arg(defaultSuffix));
    dialog.selectFile(defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void QtPrintDialogs::showEngineWindow()
{
    engineWindow().showBuffer();
}
