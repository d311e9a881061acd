#include "cli/cli_app.h"
#include "platform/app_info.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ksiega-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KSIEGA_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    return runCli(QCoreApplication::arguments().mid(1), out, err);
}
