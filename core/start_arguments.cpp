#include "core/start_arguments.h"

#include "platform/paths.h"

StartArguments parseProgramArguments(const QStringList &args)
{
    StartArguments result;
    for (const QString &arg : args) {
        if (arg.left(3).compare(QLatin1String("dr="), Qt::CaseInsensitive) != 0)
            continue;
        QString root = arg.mid(3);
        root.replace(QLatin1Char('_'), QLatin1Char(' '));
        root.replace(QLatin1Char('\\'), QLatin1Char('/'));
        result.dataRoot = withTrailingSlash(root);
    }
    if (args.size() >= 2 && args.constFirst().compare(QLatin1String("rok"), Qt::CaseInsensitive) == 0)
        result.year = args.at(1);
    return result;
}
