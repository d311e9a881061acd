#pragma once
// A started data root with ledger entries, and the archive beside it, for the archive,
// restore and index repair tests.

#include "tests/core/data_root_fixture.h"

#include "platform/progress.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

class ArchiveTest : public DataRootTest {
protected:
    void addEntries(const QString &year, int from, int count)
    {
        Connection ledger(at(year + QStringLiteral("/KSIEGA/KSIEGA.DB")), Connection::Mode::ReadWrite);
        ledger.begin();
        for (int lp = from; lp < from + count; ++lp)
            ledger.exec(QStringLiteral("INSERT INTO KSIEGA (LP, MC, NAZ1, K7) VALUES (%1, '05', "
                                       "'Kontrahent %1', %2)")
                            .arg(lp)
                            .arg(lp * 10000));
        ledger.commit();
    }

    QStringList entryNumbers(const QString &file)
    {
        QStringList numbers;
        Connection ledger(file, Connection::Mode::ReadOnly);
        Statement rows(ledger.handle(), "SELECT LP FROM KSIEGA ORDER BY LP");
        while (rows.step())
            numbers << rows.column(0).toString();
        return numbers;
    }

    // Every file under `relative`, named from there, in order.
    QStringList filesUnder(const QString &relative)
    {
        QStringList files;
        const QDir base(at(relative));
        QDirIterator walk(base.path(), QDir::Files, QDirIterator::Subdirectories);
        while (walk.hasNext())
            files << base.relativeFilePath(walk.next());
        files.sort();
        return files;
    }

    void writeFile(const QString &relative, const QByteArray &bytes = "x")
    {
        QDir().mkpath(QFileInfo(at(relative)).path());
        QFile file(at(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // A table of another program, written with plain SQL.
    void plainTable(const QString &relative)
    {
        QDir().mkpath(QFileInfo(at(relative)).path());
        Connection table(at(relative), Connection::Mode::Create);
        table.exec(QStringLiteral("CREATE TABLE %1 (NR INTEGER)").arg(QFileInfo(relative).completeBaseName()));
        table.exec(QStringLiteral("INSERT INTO %1 VALUES (1)").arg(QFileInfo(relative).completeBaseName()));
    }

    SilentProgress progress;
};
