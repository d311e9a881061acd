#include "platform/shell.h"

#include <QDesktopServices>
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
