#include "cli/jpk_commands.h"

#include "cli/cli_session.h"
#include "cli/command_registry.h"
#include "jpk/jpk_export.h"

namespace {

std::optional<int> numberIn(const std::optional<QString> &text, int lowest, int highest, int otherwise)
{
    if (!text)
        return otherwise;
    bool ok = false;
    const int number = text->toInt(&ok);
    if (!ok || number < lowest || number > highest)
        return std::nullopt;
    return number;
}

int jpk(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    JpkRequest request;
    const auto from = numberIn(context.option(QStringLiteral("od")), 1, 12, 1);
    const auto to = numberIn(context.option(QStringLiteral("do")), 1, 12, 12);
    const auto purpose = numberIn(context.option(QStringLiteral("cel")), 0, 2, 1);
    if (!from || !to || *from > *to)
        return usageError(context, QStringLiteral("Miesiące --od i --do to 01..12, --od nie po --do."));
    if (!purpose)
        return usageError(context, QStringLiteral("Cel złożenia --cel to 0, 1 albo 2."));
    request.fromMonth = *from;
    request.toMonth = *to;
    request.purpose = *purpose;
    request.officeCode = context.option(QStringLiteral("urzad")).value_or(QString());
    request.file = *context.option(QStringLiteral("plik"));
    request.schemaDirectory = InstalledJpkSchemaDirectory();
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    const std::optional<JpkSummary> summary = ExportJpkPkpir(session.dane, request, context.prompter);
    if (!summary)
        return CliFailed;
    context.out << JpkSummaryText(*summary).replace(QLatin1Char('\r'), QLatin1Char('\n')) << '\n';
    return CliSuccess;
}

} // namespace

void addJpkCommands(CommandRegistry &registry)
{
    registry.add(QStringLiteral("jpk"), QStringLiteral("plik JPK_PKPIR(3) księgi roku roboczego"), jpk)
        .value(QStringLiteral("od"), QStringLiteral("MM"), QStringLiteral("pierwszy miesiąc (01)"))
        .value(QStringLiteral("do"), QStringLiteral("MM"), QStringLiteral("ostatni miesiąc (12)"))
        .value(QStringLiteral("cel"), QStringLiteral("0|1|2"),
               QStringLiteral("cel złożenia: 1 złożenie (domyślnie), 2 korekta"))
        .value(QStringLiteral("urzad"), QStringLiteral("KOD"),
               QStringLiteral("kod urzędu skarbowego (domyślnie z Danych o Firmie)"))
        .value(QStringLiteral("plik"), QStringLiteral("PLIK"), QStringLiteral("plik XML do zapisania"))
        .required();
}
