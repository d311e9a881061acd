#pragma once
// The windows the text engine opens on its own: the title prompt, the export's save dialog
// and the engine window with the preview buffer. The program shows real windows; tests and
// the command line answer from what they were given.

#include <QString>
#include <QStringList>

#include <optional>

class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;

    // "Nazwa wydruku": the title prompt filled with the current title; the text entered.
    virtual QString askTitle(const QString &currentTitle) = 0;
    // The save dialog of an export; nothing when the user cancels.
    virtual std::optional<QString> exportFileName(const QString &defaultName,
                                                  const QString &defaultSuffix) = 0;
    // The engine window, not modal, with the buffer for preview, editing and printing.
    virtual void showEngineWindow() = 0;
};

class ScriptedPrintDialogs final : public PrintDialogs {
public:
    // The title prompt answers `title` (the current title when unset); the save dialog
    // answers `exportFile` (cancelled when unset).
    std::optional<QString> title;
    std::optional<QString> exportFile;

    QString askTitle(const QString &currentTitle) override;
    std::optional<QString> exportFileName(const QString &defaultName,
                                          const QString &defaultSuffix) override;
    void showEngineWindow() override { ++windowShown; }

    QStringList titlesAsked;        // the titles the prompt was filled with
    QStringList exportNamesOffered; // the default names the save dialog offered
    int windowShown = 0;
};
