// The desktop program: locale, engine check, splash, data module, main window.

#include "app/guarded_application.h"
#include "app/main_sequence.h"
#include "platform/widgets/qt_prompter.h"

int main(int argc, char **argv)
{
    QtPrompter errors;
    GuardedApplication application(argc, argv, errors);
    return runMainSequence(application);
}
