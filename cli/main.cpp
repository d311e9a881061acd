#include "cli/cli_app.h"
#include "platform/app_info.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

// Qt's remarks while it sets up its platform (no session runtime folder on a server and the
// like) must not mix with the program's messages, which scripts read from the error stream.
static void ignoreMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

int main(int argc, char *argv[])
{
    // Printouts to PDF draw text, and fonts need a GUI application; the command line opens
    // no window, so it runs on the offscreen platform and needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QtMessageHandler standardHandler = qInstallMessageHandler(ignoreMessage);
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(standardHandler);
    QCoreApplication::setApplicationName(QStringLiteral("ksiega-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KSIEGA_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    return runCli(QCoreApplication::arguments().mid(1), out, err);
}
