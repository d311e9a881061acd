#pragma once
// Runs the built ksiega-cli in a temporary folder (its current directory, where the
// parameter table lives), on a fixed day, and keeps what it printed.

#include "tests/support/qt_printers.h"

#include <QCoreApplication>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <sys/resource.h>

struct CliResult {
    int code = -1;
    QString out;
    QString err;
};

class CliProgramTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    CliResult run(const QStringList &args, const QString &today = QStringLiteral("2019.05.10"),
                  const QByteArray &input = QByteArray())
    {
        return runLimited(args, std::nullopt, today, input);
    }

    // The program where no file may grow past `bytes`: the kernel refuses every write past
    // that size (EFBIG), to tables, journals and output files alike, as a full disk refuses
    // them. The limit binds root too, which file permissions do not.
    CliResult runOnFullDisk(const QStringList &args, qint64 bytes = 0,
                            const QByteArray &input = QByteArray())
    {
        return runLimited(args, bytes, QStringLiteral("2019.05.10"), input);
    }

    CliResult runLimited(const QStringList &args, std::optional<qint64> fileSizeLimit,
                         const QString &today, const QByteArray &input)
    {
        QProcess process;
        if (fileSizeLimit)
            process.setChildProcessModifier([bytes = rlim_t(*fileSizeLimit)] {
                // A write past the limit fails with EFBIG instead of killing the program.
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{bytes, bytes};
                setrlimit(RLIMIT_FSIZE, &limit);
            });
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KSIEGA_TODAY"), today);
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(folder.path());
        if (launcher.isEmpty())
            process.start(QStringLiteral(KSIEGA_CLI_PATH), args);
        else
            process.start(launcher.constFirst(),
                          launcher.mid(1) + QStringList{QStringLiteral(KSIEGA_CLI_PATH)} + args);
        if (!input.isEmpty())
            process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000)) << process.errorString().toStdString();
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    // The rows `dump TABLE` prints, each as field → text, in the order of the file.
    QList<QHash<QString, QString>> dumpRows(const QString &table,
                                            const QString &today = QStringLiteral("2019.05.10"))
    {
        const QStringList lines = run({"dump", table}, today).out.split('\n', Qt::SkipEmptyParts);
        const QStringList header = lines.value(0).split('\t');
        QList<QHash<QString, QString>> rows;
        for (const QString &line : lines.mid(1)) {
            const QStringList cells = line.split('\t');
            QHash<QString, QString> row;
            for (int i = 0; i < header.size(); ++i)
                row.insert(header[i], cells.value(i));
            rows << row;
        }
        return rows;
    }

    // The sums rows by KOD.
    QHash<QString, QHash<QString, QString>> sumsRows(const QString &today = QStringLiteral("2019.05.10"))
    {
        QHash<QString, QHash<QString, QString>> rows;
        for (const QHash<QString, QString> &row : dumpRows(QStringLiteral("KSIEGA/SUMA"), today))
            rows.insert(row.value(QStringLiteral("KOD")), row);
        return rows;
    }

    // The value of the line "key: value" that `status` prints.
    QString statusValue(const QString &key, const QString &today = QStringLiteral("2019.05.10"))
    {
        for (const QString &line : run({"status"}, today).out.split('\n'))
            if (line.startsWith(key + QStringLiteral(": ")))
                return line.mid(key.size() + 2);
        return QString();
    }

    // A program that runs ksiega-cli, given as its last arguments, in a changed world.
    QStringList launcher;

    QString at(const QString &relative) const { return folder.path() + QLatin1Char('/') + relative; }

    int argc = 1;
    char name[9] = "test_cli";
    char *argv[2] = {name, nullptr};
    QCoreApplication application{argc, argv};
    QTemporaryDir folder;
};
