#pragma once
// Figures of one benchmark run: each piece of work timed through the engine and, beside it,
// the same work done with plain SQL on the same file, printed as a table with ratios.
//
// Wall time suffers from whatever else the machine runs; the processor time of this process
// (user and system) stands beside it, and the peak memory the process reached during the
// work, which is what a user's machine must hold.

#include <QList>
#include <QString>
#include <QTextStream>
#include <functional>
#include <optional>

struct BenchCost {
    double wallMs = 0;
    double cpuMs = 0;
    double peakMb = 0; // resident set at its highest while the work ran
};

struct BenchFigure {
    QString work;
    BenchCost engine;
    std::optional<BenchCost> plain; // none: no plain-SQL counterpart
};

class BenchReport {
public:
    // Runs `engine` and `plain` once each (plain first, so neither profits from a cache the
    // other warmed) and keeps their costs.
    void compare(const QString &work, const std::function<void()> &engine,
                 const std::function<void()> &plain);
    void time(const QString &work, const std::function<void()> &engine);
    void print(QTextStream &out) const;

private:
    QList<BenchFigure> figures_;
};

// What `work` cost.
BenchCost measure(const std::function<void()> &work);
