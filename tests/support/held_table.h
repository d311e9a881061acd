#pragma once
// Another program holding a table: a child process opens the table file with plain SQLite,
// takes a lock in a transaction and keeps it until the test lets go, the way a sqlite3 shell
// left in the middle of a transaction does. Nothing of this program runs in the child.

#include <QByteArray>
#include <QString>
#include <sqlite3.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

class HeldTable {
public:
    enum class Lock {
        Write,          // BEGIN IMMEDIATE: others may read, nobody else writes
        WriteInProgress, // the same with a page already changed, so its journal is on disk
        Exclusive,      // BEGIN EXCLUSIVE: nobody else reads or writes
    };

    HeldTable(const QString &file, Lock lock)
    {
        int ready[2];
        if (pipe(ready) != 0)
            return;
        child_ = fork();
        if (child_ == 0) {
            close(ready[0]);
            const char answer = hold(file.toUtf8(), lock) ? '1' : '0';
            if (write(ready[1], &answer, 1) == 1 && answer == '1')
                for (;;)
                    pause();
            _exit(1);
        }
        close(ready[1]);
        char answer = 0;
        held_ = child_ > 0 && read(ready[0], &answer, 1) == 1 && answer == '1';
        close(ready[0]);
    }
    ~HeldTable() { release(); }
    HeldTable(const HeldTable &) = delete;
    HeldTable &operator=(const HeldTable &) = delete;

    bool held() const { return held_; }

    // The holder dies without a word, as a program that is killed; the system drops its locks.
    void release()
    {
        if (child_ <= 0)
            return;
        kill(child_, SIGKILL);
        int status = 0;
        waitpid(child_, &status, 0);
        child_ = -1;
        held_ = false;
    }

private:
    static bool hold(const QByteArray &file, Lock lock)
    {
        sqlite3 *db = nullptr;
        if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            return false;
        const char *sql = lock == Lock::Exclusive ? "BEGIN EXCLUSIVE"
                          : lock == Lock::Write   ? "BEGIN IMMEDIATE"
                                                  : "BEGIN IMMEDIATE; PRAGMA user_version = 4242";
        return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    }

    pid_t child_ = -1;
    bool held_ = false;
};
