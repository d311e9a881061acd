#pragma once
// The catalogue's help page, in the program's help folder, opened in the desktop's default viewer.

#include <QString>

inline const QString ContractorHelpDocument = QStringLiteral("pomoc/kontrah/index.htm");
