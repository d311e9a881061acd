#pragma once
// The engine's windows in the program: the title prompt, the export's save dialog and the
// engine window, which is created on first use once the engine exists.
//
//   QtPrintDialogs dialogs(settings, mainWindow);
//   TDRUK engine(context, printers, dialogs, prompter, progressWindow);
//   dialogs.attach(engine);

#include "print/print_dialogs.h"

#include <memory>

class PrintEngineWindow;
class QSettings;
class QWidget;
class TDRUK;
class TDRUKTYT;

class QtPrintDialogs final : public PrintDialogs {
public:
    explicit QtPrintDialogs(QSettings &settings, QWidget *parent = nullptr);
    ~QtPrintDialogs() override;

    void attach(TDRUK &engine) { engine_ = &engine; }
    // The engine window, created on first use.
    PrintEngineWindow &engineWindow();

    QString askTitle(const QString &currentTitle) override;
    std::optional<QString> exportFileName(const QString &defaultName,
                                          const QString &defaultSuffix) override;
    void showEngineWindow() override;

private:
    QSettings &settings_;
    QWidget *parent_;
    TDRUK *engine_ = nullptr;
    std::unique_ptr<TDRUKTYT> titlePrompt_;
    std::unique_ptr<PrintEngineWindow> window_;
};
