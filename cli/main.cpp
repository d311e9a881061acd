#include "cli/cli_app.h"
#include "platform/app_info.h"
#include "platform/qt_messages.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Printouts to PDF draw text, and fonts need a GUI application; the command line opens
    // no window, so it runs on the offscreen platform and needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's remarks (no session runtime folder on a server, a PDF it could not begin) must
    // not mix with the program's messages, which scripts read from the error stream.
    keepQtMessagesFromUser();
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ksiega-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KSIEGA_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    return runCli(QCoreApplication::arguments().mid(1), out, err);
}
