#pragma once
// The program's title: the main window's caption begins with it and every page header of
// the print engine names it.

#include <QString>

inline QString programTitle()
{
    return QStringLiteral("RAZEDO 2019");
}
