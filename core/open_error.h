#pragma once
// The one wording for a table that would not open, so that every such failure reads alike.

#include "platform/prompter.h"

#include <QString>

// Shows "Błąd otwarcia bazy : " + what in a plain message box with OK.
void ShowOpenError(Prompter &prompter, const QString &what);
