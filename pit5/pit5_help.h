#pragma once
// The declaration window's help page, in the program's help folder.

#include <QString>

inline const QString Pit5HelpDocument = QStringLiteral("pomoc/pit5/index.htm");
