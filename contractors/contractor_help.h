#pragma once
// The catalogue's help page, "kontrah/index.htm" beside the program, opened in the desktop's
// default viewer.

#include <QString>

class Prompter;
class Shell;

inline const QString ContractorHelpDocument = QStringLiteral("kontrah/index.htm");

// A page that is missing or that nothing opens is reported. True when opened.
bool OpenContractorHelp(const QString &programDirectory, Shell &shell, Prompter &prompter);
