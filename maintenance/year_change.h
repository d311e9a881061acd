#pragma once
// Changing the working year: the whole program moves to another year directory, starting
// from its January, with every table opened again by the start sequence.

#include <QString>

class TDANE;

// False when the start sequence gave up on the new year (its reasons already shown).
bool ChangeWorkingYear(TDANE &dane, const QString &year);
