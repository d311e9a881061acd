#pragma once
// Starting another program and opening a document with the desktop's default viewer. The
// program hands these to the system; tests hand them to a recorder and look at what would
// have been started.

#include <QString>

class Prompter;

class Shell {
public:
    enum class Outcome { Started, Missing, Failed };

    virtual ~Shell() = default;
    // Starts the executable file at `path` without waiting for it.
    virtual Outcome startProgram(const QString &path) = 0;
    // Opens the file at `path` in whatever the desktop opens such files with.
    virtual Outcome openDocument(const QString &path) = 0;
};

class DesktopShell final : public Shell {
public:
    Outcome startProgram(const QString &path) override;
    Outcome openDocument(const QString &path) override;
};

// Opens `document` (relative to `programDirectory`) in the default viewer; a document that
// is missing or that nothing opens is reported. True when opened.
bool OpenDocument(const QString &programDirectory, const QString &document, Shell &shell,
                  Prompter &prompter);
