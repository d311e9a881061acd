#include "contractors/windows/contractor_help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

void openContractorHelp()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QCoreApplication::applicationDirPath()
                                                  + QStringLiteral("/kontrah/index.htm")));
}
