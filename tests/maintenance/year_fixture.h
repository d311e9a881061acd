#pragma once
// A started data root whose working year 2019 is opened into 2020, with the log of each run
// kept, and quick reads of the tables of either year as another program would read them.

#include "tests/core/data_root_fixture.h"

#include "maintenance/year_opening.h"
#include "platform/table_schema.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

class YearTest : public DataRootTest {
protected:
    YearOpeningResult openYear(const QString &year = QStringLiteral("2020"))
    {
        log.clear();
        YearOpening opening = ProposedYearOpening(environment);
        opening.year = year;
        return OpenNewYear(opening, environment, prompter,
                           [this](const QString &line) { log << line; });
    }

    // SQL on a table file of another program, made when it is not there yet.
    void companionSql(const QString &relativeFile, const QString &sql)
    {
        QDir().mkpath(QFileInfo(at(relativeFile)).path());
        Connection connection(at(relativeFile), Connection::Mode::Create);
        connection.exec(sql);
    }

    // The rows of a table file, each "A|B|C" of the given columns ("-" for blank), in rowid
    // order.
    QStringList rows(const QString &relativeFile, const QStringList &columns)
    {
        QStringList terms;
        for (const QString &column : columns)
            terms << QStringLiteral("coalesce(%1, '-')").arg(column);
        Connection connection(at(relativeFile), Connection::Mode::ReadOnly);
        Statement select(connection.handle(), QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                                                  .arg(terms.join(QStringLiteral(" || '|' || ")),
                                                       innerTableName(relativeFile)));
        QStringList result;
        while (select.step())
            result << select.column(0).toString();
        return result;
    }

    // The file's schema as SQLite keeps it, one "type name: sql" a line.
    QStringList schema(const QString &relativeFile)
    {
        Connection connection(at(relativeFile), Connection::Mode::ReadOnly);
        Statement select(connection.handle(),
                         QStringLiteral("SELECT type || ' ' || name || ': ' || coalesce(sql, '') "
                                        "FROM sqlite_master ORDER BY type, name"));
        QStringList result;
        while (select.step())
            result << select.column(0).toString();
        return result;
    }

    qint64 pragma(const QString &relativeFile, const QString &name)
    {
        Connection connection(at(relativeFile), Connection::Mode::ReadOnly);
        Statement select(connection.handle(), QStringLiteral("PRAGMA ") + name);
        return select.step() ? select.columnInt64(0) : -1;
    }

    // Files left in a year folder that are not tables nor their companions.
    QStringList leftovers(const QString &relativeFolder)
    {
        return QDir(at(relativeFolder)).entryList({QStringLiteral("*.tmp*")}, QDir::Files);
    }

    QStringList log;
};
