#pragma once
// Figures of one benchmark run: each piece of work timed through the engine and, beside it,
// the same work done with plain SQL on the same file, printed as a table with ratios.

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QTextStream>
#include <functional>

struct BenchFigure {
    QString work;
    double engineMs = 0;
    double plainMs = -1; // negative: no plain-SQL counterpart
};

class BenchReport {
public:
    // Runs `engine` and `plain` once each (plain first, so neither profits from a cache the
    // other warmed) and keeps their times.
    void compare(const QString &work, const std::function<void()> &engine,
                 const std::function<void()> &plain);
    void time(const QString &work, const std::function<void()> &engine);
    void print(QTextStream &out) const;

private:
    QList<BenchFigure> figures_;
};

double elapsedMs(const std::function<void()> &work);
