#include "print/print_dialogs.h"

QString ScriptedPrintDialogs::askTitle(const QString &currentTitle)
{
    titlesAsked.append(currentTitle);
    return title.value_or(currentTitle);
}

std::optional<QString> ScriptedPrintDialogs::exportFileName(const QString &defaultName,
                                                            const QString &)
{
    exportNamesOffered.append(defaultName);
    return exportFile;
}
