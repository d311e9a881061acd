#include "platform/qt_messages.h"

#include <QFile>
#include <QTextStream>

namespace {

QtMessageHandler standardHandler = nullptr;

void toLog(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        if (standardHandler)
            standardHandler(type, context, message);
        return;
    }
    const QString log = qEnvironmentVariable("KSIEGA_QT_LOG");
    if (log.isEmpty())
        return;
    QFile file(log);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    QTextStream(&file) << qFormatLogMessage(type, context, message) << '\n';
}

} // namespace

void keepQtMessagesFromUser()
{
    const QtMessageHandler previous = qInstallMessageHandler(toLog);
    if (previous != toLog)
        standardHandler = previous;
}
