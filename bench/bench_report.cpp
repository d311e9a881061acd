#include "bench_report.h"

#include <sys/resource.h>

double elapsedMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

void BenchReport::compare(const QString &work, const std::function<void()> &engine,
                          const std::function<void()> &plain)
{
    BenchFigure figure{work};
    figure.plainMs = elapsedMs(plain);
    figure.engineMs = elapsedMs(engine);
    figures_ << figure;
}

void BenchReport::time(const QString &work, const std::function<void()> &engine)
{
    figures_ << BenchFigure{work, elapsedMs(engine)};
}

void BenchReport::print(QTextStream &out) const
{
    out << QStringLiteral("%1 %2 %3 %4\n")
               .arg(QStringLiteral("praca"), -58)
               .arg(QStringLiteral("silnik [ms]"), 12)
               .arg(QStringLiteral("SQL [ms]"), 10)
               .arg(QStringLiteral("krotność"), 9);
    for (const BenchFigure &figure : figures_) {
        const QString plain = figure.plainMs < 0 ? QStringLiteral("—")
                                                 : QString::number(figure.plainMs, 'f', 1);
        const QString ratio = figure.plainMs <= 0
                                  ? QStringLiteral("—")
                                  : QString::number(figure.engineMs / figure.plainMs, 'f', 2);
        out << QStringLiteral("%1 %2 %3 %4\n")
                   .arg(figure.work, -58)
                   .arg(QString::number(figure.engineMs, 'f', 1), 12)
                   .arg(plain, 10)
                   .arg(ratio, 9);
    }
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    out << QStringLiteral("szczyt pamięci: %1 MB\n").arg(usage.ru_maxrss / 1024.0, 0, 'f', 1);
}
