#include "bench_report.h"

#include <QElapsedTimer>
#include <QFile>

#include <sys/resource.h>
#include <time.h>

namespace {

double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The highest resident set since the last reset, in MB: VmHWM of /proc/self/status, which
// writing 5 to /proc/self/clear_refs brings down to the present size. Where that is not
// possible, the peak of the whole run.
double peakMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

QString figure(double value)
{
    return QString::number(value, 'f', 1);
}

} // namespace

BenchCost measure(const std::function<void()> &work)
{
    resetPeak();
    const double cpuBefore = cpuMs();
    QElapsedTimer timer;
    timer.start();
    work();
    BenchCost cost;
    cost.wallMs = double(timer.nsecsElapsed()) / 1e6;
    cost.cpuMs = cpuMs() - cpuBefore;
    cost.peakMb = peakMb();
    return cost;
}

void BenchReport::compare(const QString &work, const std::function<void()> &engine,
                          const std::function<void()> &plain)
{
    const BenchCost plainCost = measure(plain);
    figures_ << BenchFigure{work, measure(engine), plainCost};
}

void BenchReport::time(const QString &work, const std::function<void()> &engine)
{
    figures_ << BenchFigure{work, measure(engine), std::nullopt};
}

void BenchReport::print(QTextStream &out) const
{
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7\n")
               .arg(QStringLiteral("praca"), -58)
               .arg(QStringLiteral("silnik [ms]"), 12)
               .arg(QStringLiteral("CPU [ms]"), 10)
               .arg(QStringLiteral("szczyt [MB]"), 12)
               .arg(QStringLiteral("SQL [ms]"), 10)
               .arg(QStringLiteral("SQL CPU [ms]"), 13)
               .arg(QStringLiteral("krotność"), 9);
    const QString none = QStringLiteral("—");
    for (const BenchFigure &line : figures_) {
        const bool compared = line.plain && line.plain->wallMs > 0;
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7\n")
                   .arg(line.work, -58)
                   .arg(figure(line.engine.wallMs), 12)
                   .arg(figure(line.engine.cpuMs), 10)
                   .arg(figure(line.engine.peakMb), 12)
                   .arg(line.plain ? figure(line.plain->wallMs) : none, 10)
                   .arg(line.plain ? figure(line.plain->cpuMs) : none, 13)
                   .arg(compared ? QString::number(line.engine.wallMs / line.plain->wallMs, 'f', 2)
                                 : none,
                        9);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    out << QStringLiteral("szczyt pamięci: %1 MB\n").arg(usage.ru_maxrss / 1024.0, 0, 'f', 1);
}
