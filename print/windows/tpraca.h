#pragma once
// The progress window "Postęp ...": a label with the title and a gauge, shown without
// blocking the walk it reports on.

#include "platform/progress.h"

#include <QWidget>

class QLabel;
class QProgressBar;

class TPRACA final : public QWidget, public Progress {
    Q_OBJECT

public:
    explicit TPRACA(QWidget *parent = nullptr);

    void start(const QString &title, int maximum) override;
    void step() override;
    void stop() override;

    QString title() const;
    int position() const { return position_; }
    int maximum() const { return maximum_; }

private:
    int percent() const;

    QLabel *label_;
    QProgressBar *gauge_;
    int position_ = 0;
    int maximum_ = 0;
};
