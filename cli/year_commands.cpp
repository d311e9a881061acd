#include "cli/year_commands.h"

#include "cli/cli_session.h"
#include "cli/command_registry.h"
#include "maintenance/year_opening.h"

#include <QRegularExpression>

namespace {

bool isYear(const QString &text)
{
    static const QRegularExpression year(QStringLiteral("^[12][0-9]{3}$"));
    return year.match(text).hasMatch();
}

int openYear(CommandContext &context)
{
    if (context.arguments.size() != 1 || !isYear(context.arguments[0]))
        return usageError(context, QStringLiteral("Rok podaje się czterema cyframi, np. 2020."));
    const std::optional<QString> sourceYear = context.option(QStringLiteral("z"));
    if (sourceYear && !isYear(*sourceYear))
        return usageError(context, QStringLiteral("Rok podaje się czterema cyframi, np. 2020."));
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    YearOpening opening = ProposedYearOpening(session.environment);
    opening.year = context.arguments[0];
    if (sourceYear)
        opening.sourceYear = *sourceYear;
    if (const std::optional<QString> directory = context.option(QStringLiteral("katalog")))
        opening.directory = *directory;
    const YearOpeningResult result =
        OpenNewYear(opening, session.environment, context.prompter,
                    [&](const QString &line) { context.out << line << '\n' << Qt::flush; });
    return result == YearOpeningResult::Completed ? CliSuccess : CliFailed;
}

int listYears(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    for (const QString &year : session.environment.years)
        context.out << year << '\n';
    return CliSuccess;
}

} // namespace

void addYearCommands(CommandRegistry &registry)
{
    CommandRegistry &years = registry.addGroup(QStringLiteral("year"), QStringLiteral("lata danych"));
    years.add(QStringLiteral("open"), QStringLiteral("otwarcie nowego roku z roku roboczego"), openYear)
        .takes(QStringLiteral("RRRR"))
        .value(QStringLiteral("z"), QStringLiteral("RRRR"),
               QStringLiteral("rok, na podstawie którego powstaje nowy (domyślnie rok roboczy)"))
        .value(QStringLiteral("katalog"), QStringLiteral("KATALOG"),
               QStringLiteral("katalog z katalogami lat (domyślnie katalog danych)"));
    years.add(QStringLiteral("list"), QStringLiteral("lista znanych lat"), listYears);
}
