#include "platform/shell.h"

#include "platform/prompter.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

// A missing file is told apart from one that would not start: only the first has its own
// message in the program.
Shell::Outcome DesktopShell::startProgram(const QString &path)
{
    if (!QFileInfo::exists(path))
        return Outcome::Missing;
    return QProcess::startDetached(path, {}, QFileInfo(path).absolutePath()) ? Outcome::Started
                                                                             : Outcome::Failed;
}

Shell::Outcome DesktopShell::openDocument(const QString &path)
{
    if (!QFileInfo::exists(path))
        return Outcome::Missing;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? Outcome::Started
                                                                : Outcome::Failed;
}

bool OpenDocument(const QString &programDirectory, const QString &document, Shell &shell,
                  Prompter &prompter)
{
    const QString path = QDir(programDirectory).filePath(document);
    if (shell.openDocument(path) == Shell::Outcome::Started)
        return true;
    prompter.warn(QStringLiteral("Nie można otworzyć dokumentu : ") + QDir::toNativeSeparators(path));
    return false;
}
