#include "firm/firm_logo.h"

#include "platform/paths.h"

#include <QFileInfo>

QImage LoadFirmLogo(const QString &dataRoot)
{
    const QString path = resolvePath(dataRoot + QStringLiteral("logo.bmp"));
    QImage logo;
    if (QFileInfo::exists(path))
        logo.load(path);
    return logo;
}

QString LogoSizeLine(const QImage &logo)
{
    return QStringLiteral("Wymiar rysuknku :  %1 / %2").arg(logo.width()).arg(logo.height());
}
