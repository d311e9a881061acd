#pragma once
// The program's start: Polish locale and translations, the database engine check, the
// splash with its progress bar, the data module's start sequence, then the main window,
// which runs until it is closed. A failed start shows its messages and ends.

class QApplication;

int runMainSequence(QApplication &application);
