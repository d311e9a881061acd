#include "tests/support/application_main.h"

#include <QApplication>

int main(int argc, char **argv)
{
    return runTestsInApplication<QApplication>(argc, argv);
}
