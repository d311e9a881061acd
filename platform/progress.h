#pragma once
// Progress of a long walk: a window with a gauge in the program, nothing or a line on the
// terminal elsewhere. Start sets the title and the number of steps, step advances by one.

#include <QString>

class Progress {
public:
    virtual ~Progress() = default;
    virtual void start(const QString &title, int maximum) = 0;
    virtual void step() = 0;
    virtual void stop() = 0;
};

// For callers that report progress nobody watches.
class SilentProgress final : public Progress {
public:
    void start(const QString &, int) override {}
    void step() override {}
    void stop() override {}
};
