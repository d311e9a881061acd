// The archive and the restore killed at moments spread over their run, and a restore over
// a table a killed writer left with a hot journal: no table is ever missing, damaged or
// made of two states.

#include "maintenance/archive.h"
#include "maintenance/table_check.h"
#include "platform/sqlite_db.h"
#include "tests/cli/cli_program.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

class KilledArchive : public CliProgramTest {
protected:
    using States = QHash<QString, QByteArray>; // table, relative to its root → its rows' digest

    void SetUp() override
    {
        CliProgramTest::SetUp();
        ASSERT_EQ(run({"init", "--rok", "2019", "--demo"}).code, 0);
        addEntries(1000, 30000);
    }

    void addEntries(int from, int count)
    {
        Connection ledger(at("2019/KSIEGA/KSIEGA.DB"), Connection::Mode::ReadWrite);
        ledger.begin();
        Statement insert(ledger.handle(), "INSERT INTO KSIEGA (LP, MC, NAZ1, OPIS1, K7) VALUES "
                                          "(?, '05', ?, 'Sprzedaż towarów', ?)");
        for (int lp = from; lp < from + count; ++lp) {
            insert.bindAll({lp, QStringLiteral("Kontrahent %1").arg(lp), qint64(lp) * 10000});
            insert.run();
            insert.reset();
        }
        ledger.commit();
        Connection contractors(at("2019/FIN/KONTRAHI.DB"), Connection::Mode::ReadWrite);
        contractors.exec(QStringLiteral("INSERT INTO KONTRAHI (NR, SKROT) VALUES (%1, 'NOWY %1')")
                             .arg(from));
    }

    // Every row of the table in storage order, hashed; opening it lets SQLite roll back a
    // write that was cut short, as any program opening it would.
    static QByteArray digest(const QString &file)
    {
        Connection table(file, Connection::Mode::ReadWrite);
        QCryptographicHash hash(QCryptographicHash::Sha1);
        Statement names(table.handle(), "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
        QStringList tables;
        while (names.step())
            tables << names.column(0).toString();
        for (const QString &name : tables) {
            Statement rows(table.handle(), "SELECT * FROM " + quoteIdentifier(name) + " ORDER BY rowid");
            while (rows.step())
                for (int i = 0; i < rows.columnCount(); ++i)
                    hash.addData(rows.column(i).toString().toUtf8() + '\x1f');
        }
        return hash.result();
    }

    States states(const QString &root)
    {
        States found;
        const QDir base(at(root));
        QDirIterator walk(base.path(), {"*.DB"}, QDir::Files, QDirIterator::Subdirectories);
        while (walk.hasNext()) {
            const QString file = walk.next();
            found.insert(base.relativeFilePath(file), digest(file));
        }
        return found;
    }

    // Starts the command and kills it `after` milliseconds; the time it ran, when it ended
    // by itself first.
    void runKilled(const QStringList &args, int after)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("KSIEGA_TODAY", "2019.05.10");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(folder.path());
        process.start(QStringLiteral(KSIEGA_CLI_PATH), args);
        ASSERT_TRUE(process.waitForStarted());
        QThread::msleep(after);
        ::kill(pid_t(process.processId()), SIGKILL);
        process.waitForFinished();
    }

    qint64 timed(const QStringList &args)
    {
        QElapsedTimer clock;
        clock.start();
        const CliResult result = run(args);
        EXPECT_EQ(result.code, 0) << result.err.toStdString();
        return clock.elapsed();
    }

    // Every table of `before` is still under `root`, whole, and in one of the two states.
    void expectEachTableOldOrNew(const QString &root, const States &before, const States &after,
                                 const QString &moment)
    {
        const States now = states(root);
        for (auto table = before.begin(); table != before.end(); ++table) {
            const QString where = moment + " " + root + "/" + table.key();
            ASSERT_TRUE(now.contains(table.key())) << "missing: " << where.toStdString();
            EXPECT_EQ(CheckTable(at(root + "/" + table.key())).state, TableHealth::State::Ok)
                << where.toStdString();
            const QByteArray state = now.value(table.key());
            EXPECT_TRUE(state == table.value() || state == after.value(table.key()))
                << "mixed or foreign: " << where.toStdString();
        }
    }

    void expectCheckOk()
    {
        const CliResult checked = run({"check"});
        EXPECT_EQ(checked.code, 0) << checked.out.toStdString() << checked.err.toStdString();
    }

    const QList<double> moments{0.15, 0.35, 0.55, 0.75, 0.95};
};

TEST_F(KilledArchive, AnArchiveKilledAnywhereLeavesEachArchivedTableOldOrNew)
{
    const qint64 took = timed({"archive"});
    const States archived = states("ARCHIWUM");
    addEntries(100000, 2000);
    const States working = states("2019");
    States copies; // what each archived table is when its copy is done
    for (auto table = archived.begin(); table != archived.end(); ++table)
        copies.insert(table.key(), digest(at(table.key())));
    for (double moment : moments) {
        runKilled({"archive"}, int(took * moment));
        expectEachTableOldOrNew("ARCHIWUM", archived, copies, QString::number(moment));
        EXPECT_EQ(states("2019"), working) << "archiving changed the working year at " << moment;
    }
    expectCheckOk();
}

TEST_F(KilledArchive, ARestoreKilledAnywhereLeavesEachWorkingTableOldOrNew)
{
    ASSERT_EQ(run({"archive"}).code, 0);
    const States archived = states("ARCHIWUM/2019");
    addEntries(100000, 2000);
    const qint64 took = timed({"--answers", "t", "restore"});
    ASSERT_EQ(states("2019"), archived);
    int next = 200000;
    for (double moment : moments) {
        addEntries(next, 2000);
        next += 10000;
        const States working = states("2019");
        runKilled({"--answers", "t", "restore"}, int(took * moment));
        expectEachTableOldOrNew("2019", working, archived, QString::number(moment));
        expectCheckOk();
    }
}

// A writer killed inside its transaction leaves pages of a half-done change in the ledger
// and the journal that undoes them; a restore over it gives exactly the archived rows.
TEST_F(KilledArchive, ARestoreOverATableWithAHotJournalBringsBackTheArchivedRows)
{
    ASSERT_EQ(run({"archive"}).code, 0);
    const QByteArray archived = digest(at("ARCHIWUM/2019/KSIEGA/KSIEGA.DB"));
    int reached[2];
    ASSERT_EQ(pipe(reached), 0);
    const pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        close(reached[0]);
        try {
            Connection ledger(at("2019/KSIEGA/KSIEGA.DB"), Connection::Mode::ReadWrite);
            ledger.exec("PRAGMA cache_size=10");
            ledger.begin();
            ledger.exec("UPDATE KSIEGA SET NAZ1 = 'ZMIENIONY ' || LP, K7 = K7 + 10000");
            const char byte = 1;
            if (write(reached[1], &byte, 1) == 1)
                for (;;)
                    pause();
        } catch (...) {
        }
        _exit(1);
    }
    close(reached[1]);
    char byte = 0;
    const bool arrived = read(reached[0], &byte, 1) == 1;
    close(reached[0]);
    ::kill(writer, SIGKILL);
    int status = 0;
    waitpid(writer, &status, 0);
    ASSERT_TRUE(arrived) << "the writer failed before its transaction was under way";
    ASSERT_TRUE(QFile::exists(at("2019/KSIEGA/KSIEGA.DB-journal")));

    const CliResult restored = run({"--answers", "t", "restore"});
    ASSERT_EQ(restored.code, 0) << restored.err.toStdString();
    EXPECT_FALSE(QFile::exists(at("2019/KSIEGA/KSIEGA.DB-journal")));
    EXPECT_EQ(digest(at("2019/KSIEGA/KSIEGA.DB")), archived);
    expectCheckOk();
}
