#include "cli/global_options.h"

#include "platform/paths.h"
#include "platform/scripted_prompter.h"

#include <QRegularExpression>

static bool isYear(const QString &text)
{
    static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
    return fourDigits.match(text).hasMatch();
}

static std::optional<QString> monthOf(const QString &text)
{
    static const QRegularExpression oneOrTwoDigits(QStringLiteral("^[0-9]{1,2}$"));
    if (!oneOrTwoDigits.match(text).hasMatch())
        return std::nullopt;
    const int month = text.toInt();
    if (month < 1 || month > 13)
        return std::nullopt;
    return QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
}

const CommandOptions &globalOptionList()
{
    static const CommandOptions options =
        CommandOptions()
            .value(QStringLiteral("dr"), QStringLiteral("KATALOG"),
                   QStringLiteral("katalog danych, ścieżka dosłownie"))
            .desktopForm(QStringLiteral("dr="))
            .value(QStringLiteral("rok"), QStringLiteral("RRRR"), QStringLiteral("rok roboczy"))
            .desktopForm(QStringLiteral("rok"))
            .value(QStringLiteral("miesiac"), QStringLiteral("MM"),
                   QStringLiteral("miesiąc roboczy, 01–13"))
            .value(QStringLiteral("operator"), QStringLiteral("NAZWA"),
                   QStringLiteral("użytkownik, pod którym polecenie pracuje"))
            .value(QStringLiteral("answers"), QStringLiteral("y,n,ok,..."),
                   QStringLiteral("odpowiedzi na kolejne pytania; pytanie bez odpowiedzi dostaje "
                                  "Nie/Anuluj/Przerwij"))
            .emptyAllowed()
            .flag(QStringLiteral("version"), QStringLiteral("wersja programu"))
            .flag(QStringLiteral("help"), QStringLiteral("ten opis"))
            .endAtFirstWord();
    return options;
}

// Fills in one option; returns the error text, empty when the value is good.
static QString applyOption(GlobalOptions &options, const OptionUse &use)
{
    const QString &value = use.value;
    if (use.name == QLatin1String("dr")) {
        // The desktop form reads "_" as a space, as the desktop program does.
        options.start.dataRoot =
            use.desktopForm ? parseProgramArguments({QStringLiteral("dr=") + value}).dataRoot
                            : withTrailingSlash(value);
    } else if (use.name == QLatin1String("rok")) {
        if (!isYear(value))
            return QStringLiteral("Niepoprawny rok: „%1” (oczekiwano czterech cyfr).").arg(value);
        options.start.year = value;
    } else if (use.name == QLatin1String("miesiac")) {
        const std::optional<QString> month = monthOf(value);
        if (!month)
            return QStringLiteral("Niepoprawny miesiąc: „%1” (oczekiwano 01–13).").arg(value);
        options.month = month;
    } else if (use.name == QLatin1String("operator")) {
        options.operatorName = value;
    } else if (use.name == QLatin1String("answers")) {
        if (value.isEmpty())
            return QString();
        for (const QString &word : value.split(QLatin1Char(','))) {
            const std::optional<Answer> answer = parseAnswerWord(word);
            if (!answer)
                return QStringLiteral("Nieznana odpowiedź: „%1”.").arg(word.trimmed());
            options.answers.append(*answer);
        }
    } else {
        (use.name == QLatin1String("version") ? options.version : options.help) = true;
    }
    return QString();
}

GlobalOptionsResult parseGlobalOptions(const QStringList &args)
{
    GlobalOptionsResult result;
    const ParsedOptions parsed = globalOptionList().parse(args);
    result.error = parsed.error;
    for (qsizetype at = 0; result.ok() && at < parsed.uses.size(); ++at)
        result.error = applyOption(result.options, parsed.uses.at(at));
    result.options.command = parsed.words;
    return result;
}
