#pragma once
// Polish throughout: Qt's own dialogs (Tak/Nie, file and print dialogs) speak Polish, and
// numbers and dates follow the Polish locale wherever Qt formats them.

class QApplication;

void applyPolishInterface(QApplication &application);
