#pragma once
// The program's start: Polish locale and translations, the database engine check, the
// splash with its progress bar, the data module's start sequence, then the main window,
// which runs until it is closed. A failed start shows its messages and ends.

class Prompter;
class QApplication;
class TDANE;

int runMainSequence(QApplication &application);

// The data module's start sequence. A table fault no step of it expects (an index gone from
// a file) is shown, and the program goes on with the tables that did open, from which
// "Naprawa Indeksów" can mend the rest.
void StartDataModule(TDANE &dane, Prompter &prompter);
