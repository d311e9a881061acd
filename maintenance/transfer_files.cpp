#include "maintenance/transfer_files.h"

#include "core/working_environment.h"
#include "maintenance/tab_separated_text.h"
#include "maintenance/text_file_output.h"
#include "platform/paths.h"
#include "platform/prompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

FileRequest ExportFileRequest(const QString &directory)
{
    return {true,
            QStringLiteral("export.txt"),
            {{QStringLiteral("Plik exportow"), QStringLiteral("*.txt")},
             {QStringLiteral("Wszystki pliki"), QStringLiteral("*.*")}},
            directory};
}

FileRequest ImportFileRequest(const QString &directory)
{
    return {false,
            QStringLiteral("import.txt"),
            {{QStringLiteral("Plik tekstowy "), QStringLiteral("*.txt")},
             {QStringLiteral("CSV rozdzielany średnikami"), QStringLiteral("*.csv")}},
            directory};
}

QString TransferDirectoryFile(const WorkingEnvironment &environment)
{
    const QString root = environment.dataRoot.isEmpty() ? withTrailingSlash(QDir::currentPath())
                                                        : environment.dataRoot;
    return resolvePath(root + QStringLiteral("ImpExp.txt"));
}

QString ReadTransferDirectory(const QString &file)
{
    QFile stored(file);
    if (!stored.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray bytes = stored.readLine().trimmed();
    QStringDecoder windows1250(Windows1250);
    QString directory = GuessTextCoding(bytes) == TextCoding::Utf8 || !windows1250.isValid()
                            ? QString::fromUtf8(bytes)
                            : QString(windows1250.decode(bytes));
    directory.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return withTrailingSlash(directory);
}

bool SaveTransferDirectory(const QString &file, const QString &chosenFile, Prompter &prompter)
{
    const QString directory = QFileInfo(chosenFile).absolutePath() + QLatin1Char('/');
    // The suite's own coding, so that its other programs read the file too; a path it cannot
    // hold (or a system without it) is kept in UTF-8, which reading tells apart.
    QStringEncoder windows1250(Windows1250);
    QByteArray line = windows1250.encode(directory);
    if (!windows1250.isValid() || windows1250.hasError())
        line = directory.toUtf8();
    TextFileOutput output(file);
    if (output.open() && output.write(line + "\r\n") && output.finish())
        return true;
    prompter.error(FileWriteErrorText(file));
    return false;
}
