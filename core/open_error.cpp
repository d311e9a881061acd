#include "core/open_error.h"

void ShowOpenError(Prompter &prompter, const QString &what)
{
    prompter.plain(QStringLiteral("Błąd otwarcia bazy : ") + what);
}
