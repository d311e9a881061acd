#pragma once
// What a person would read in a PDF: its text through pdftotext, and its page count.

#include <QProcess>
#include <QRegularExpression>
#include <QString>

inline QString pdfText(const QString &file, bool layout = false)
{
    QProcess process;
    QStringList args;
    if (layout)
        args << QStringLiteral("-layout");
    args << file << QStringLiteral("-");
    process.start(QStringLiteral("pdftotext"), args);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// "Pages" and "Page size" as pdfinfo reports them.
inline QString pdfInfo(const QString &file, const QString &key)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {file});
    process.waitForFinished(30000);
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(key),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(process.readAllStandardOutput())).captured(1).trimmed();
}
