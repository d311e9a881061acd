// The desktop program: locale, engine check, splash, data module, main window.

#include "app/main_sequence.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    return runMainSequence(application);
}
