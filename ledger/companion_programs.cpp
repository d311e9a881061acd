#include "ledger/companion_programs.h"

#include "platform/prompter.h"
#include "platform/shell.h"

#include <QDir>

namespace {

const QString MoreInformation = QStringLiteral(
    "\rWięcej informacji o programie znajdziesz na stronie internetowej producenta.");

QString missingMessage(CompanionProgram program)
{
    switch (program) {
    case CompanionProgram::VatRegister:
        return QStringLiteral("Brak programu Ewidencji VAT.");
    case CompanionProgram::Zivedez:
        return QStringLiteral("Brak programu do Zivedez.");
    case CompanionProgram::Transfers:
        return QStringLiteral("Brak programu Przelewy.");
    case CompanionProgram::VehicleLog:
        return QStringLiteral("Brak programu EWIDENCJI PRZEBIEGU POJAZDU.");
    case CompanionProgram::FixedAssets:
        return QStringLiteral("Brak programu EWIDENCJI ŚRODKÓW TRWAŁYCH i WYPOSAŻENIA.");
    }
    return QString();
}

} // namespace

QStringList CompanionExecutables(CompanionProgram program)
{
    switch (program) {
    case CompanionProgram::VatRegister:
        return {QStringLiteral("ewidencja-vat")};
    case CompanionProgram::Zivedez:
        // The demonstration edition is started when the full one is not installed.
        return {QStringLiteral("zivedez"), QStringLiteral("zivedez-demo")};
    case CompanionProgram::Transfers:
        return {QStringLiteral("przelewy")};
    case CompanionProgram::VehicleLog:
        return {QStringLiteral("ewidencja-pojazdu")};
    case CompanionProgram::FixedAssets:
        return {QStringLiteral("srodki-trwale")};
    }
    return {};
}

bool StartCompanionProgram(CompanionProgram program, const QString &directory, Shell &shell,
                           Prompter &prompter)
{
    const QStringList executables = CompanionExecutables(program);
    for (const QString &executable : executables) {
        const Shell::Outcome outcome = shell.startProgram(QDir(directory).filePath(executable));
        if (outcome != Shell::Outcome::Missing)
            return outcome == Shell::Outcome::Started;
    }
    prompter.inform(missingMessage(program) + MoreInformation,
                    QDir(directory).filePath(executables.value(0)));
    return false;
}
