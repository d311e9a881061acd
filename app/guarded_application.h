#pragma once
// The desktop program's application object. Every window runs its handlers under the guard
// of platform/widgets; what escapes anyway (a slot of a Qt class, an event handler that
// calls the engine) ends here, in the error box, and the event loop goes on.

#include <QApplication>

class Prompter;

class GuardedApplication final : public QApplication {
public:
    // `errors` shows what escaped; it outlives the application.
    GuardedApplication(int &argc, char **argv, Prompter &errors);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    Prompter &errors_;
};
