// Printing measures text.

#include "tests/support/application_main.h"

#include <QGuiApplication>

int main(int argc, char **argv)
{
    return runTestsInApplication<QGuiApplication>(argc, argv);
}
