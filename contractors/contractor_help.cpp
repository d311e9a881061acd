#include "contractors/contractor_help.h"

#include "platform/prompter.h"
#include "platform/shell.h"

#include <QDir>

bool OpenContractorHelp(const QString &programDirectory, Shell &shell, Prompter &prompter)
{
    const QString path = QDir(programDirectory).filePath(ContractorHelpDocument);
    if (shell.openDocument(path) == Shell::Outcome::Started)
        return true;
    prompter.warn(QStringLiteral("Nie można otworzyć dokumentu : ") + QDir::toNativeSeparators(path));
    return false;
}
