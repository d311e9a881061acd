#pragma once
// The progress window of the desktop program. It has no cancel button because none of the
// walks it reports can stop half-way.

#include "platform/progress.h"

#include <memory>

class QProgressDialog;
class QWidget;

class QtProgress final : public Progress {
public:
    explicit QtProgress(QWidget *parent = nullptr);
    ~QtProgress() override;

    void start(const QString &title, int maximum) override;
    void step() override;
    void stop() override;

private:
    QWidget *parent_;
    std::unique_ptr<QProgressDialog> dialog_;
};
