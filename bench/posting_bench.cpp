#include "posting_bench.h"

#include "bench_report.h"
#include "bench_year.h"
#include "core/data_module.h"
#include "ledger/month_view.h"
#include "ledger/posting.h"
#include "platform/scripted_prompter.h"
#include "platform/sqlite_db.h"


// What posting June amounts to in SQL: the number before the month, the month's totals in
// book order, and the two sums rows written in one transaction.
static void postJuneWithSql(const QString &year)
{
    Connection ledger(year + QStringLiteral("KSIEGA/KSIEGA.DB"), Connection::Mode::ReadWrite);
    Statement before(ledger.handle(), QStringLiteral("SELECT LP FROM KSIEGA WHERE MC < '06' "
                                                     "ORDER BY MC COLLATE POLISH DESC, LP DESC LIMIT 1"));
    before.step();
    Statement month(ledger.handle(),
                    QStringLiteral("SELECT LP, K7, K8, K10, K11, K12, K13, K16 FROM KSIEGA WHERE MC = '06' "
                                   "ORDER BY MC COLLATE POLISH, LP"));
    qint64 expected = before.columnInt64(0) + 1;
    qint64 wrong = 0;
    qint64 sums[7] = {};
    while (month.step()) {
        if (!wrong && month.columnInt64(0) != expected)
            wrong = month.columnInt64(0);
        ++expected;
        for (int i = 0; i < 7; ++i)
            sums[i] += month.columnInt64(i + 1);
    }
    Connection totals(year + QStringLiteral("KSIEGA/SUMA.DB"), Connection::Mode::ReadWrite);
    totals.begin();
    Statement write(totals.handle(), QStringLiteral("UPDATE SUMA SET K7 = ?, K8 = ?, K10 = ?, K11 = ?, "
                                                    "K12 = ?, K13 = ?, K16 = ?, OZN = '*' WHERE KOD = ?"));
    for (const char *key : {"06", "N06"}) {
        write.bindAll({sums[0], sums[1], sums[2], sums[3], sums[4], sums[5], sums[6],
                       QString::fromLatin1(key)});
        write.run();
        write.reset();
    }
    totals.rollback();
}

void benchPosting(const QString &folder, BenchReport &report)
{
    const BenchFolder here(folder + QStringLiteral("/ksiegowanie"), "2019.07.10");
    CreateBenchDataRoot();
    StartedBenchProgram program;
    WorkingEnvironment &environment = program.environment;
    TDANE &dane = *program.dane;
    FillBenchLedger(dane);
    SelectWorkingMonth(dane, QStringLiteral("01"));
    for (int month = 1; month <= 5; ++month)
        if (PostMonth(dane, BenchMonth(month)) != PostingOutcome::Posted)
            qFatal("księgowanie: miesiąc nie zaksięgowany");

    PostingOutcome june = PostingOutcome::NotOffered;
    report.compare(QStringLiteral("księgowanie miesiąca, ok. 8 300 zapisów (cel < 200 ms)"),
                   [&] { june = PostMonth(dane, QStringLiteral("06")); },
                   [&] { postJuneWithSql(environment.yearDirectory()); });
    if (june != PostingOutcome::Posted)
        qFatal("księgowanie: czerwiec nie zaksięgowany");
    bool done = false;
    report.time(QStringLiteral("odksięgowanie miesiąca"),
                [&] { done = UnpostMonth(dane, QStringLiteral("06")); });
    if (!done)
        qFatal("odksięgowanie: czerwiec nie odksięgowany");
    report.time(QStringLiteral("księgowanie bieżące siedmiu otwartych miesięcy"),
                [&] { done = PostCurrent(dane); });
    if (!done)
        qFatal("księgowanie bieżące: sumy nie zapisane");
}
