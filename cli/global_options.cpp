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

// Fills in one option; returns the error text, empty when the value is good.
static QString applyOption(GlobalOptions &options, const QString &name, const QString &value)
{
    if (name == QLatin1String("dr")) {
        options.start.dataRoot = withTrailingSlash(value);
    } else if (name == QLatin1String("rok")) {
        if (!isYear(value))
            return QStringLiteral("Niepoprawny rok: „%1” (oczekiwano czterech cyfr).").arg(value);
        options.start.year = value;
    } else if (name == QLatin1String("miesiac")) {
        const std::optional<QString> month = monthOf(value);
        if (!month)
            return QStringLiteral("Niepoprawny miesiąc: „%1” (oczekiwano 01–13).").arg(value);
        options.month = month;
    } else if (name == QLatin1String("operator")) {
        options.operatorName = value;
    } else if (name == QLatin1String("answers")) {
        if (value.isEmpty())
            return QString();
        for (const QString &word : value.split(QLatin1Char(','))) {
            const std::optional<Answer> answer = parseAnswerWord(word);
            if (!answer)
                return QStringLiteral("Nieznana odpowiedź: „%1”.").arg(word.trimmed());
            options.answers.append(*answer);
        }
    }
    return QString();
}

GlobalOptionsResult parseGlobalOptions(const QStringList &args)
{
    static const QStringList valued = {QStringLiteral("dr"), QStringLiteral("rok"),
                                       QStringLiteral("miesiac"), QStringLiteral("operator"),
                                       QStringLiteral("answers")};
    static const QStringList flags = {QStringLiteral("version"), QStringLiteral("help")};

    GlobalOptionsResult result;
    GlobalOptions &options = result.options;
    qsizetype index = 0;
    for (; index < args.size(); ++index) {
        const QString &arg = args.at(index);
        if (arg == QLatin1String("--")) {
            ++index;
            break;
        }
        if (arg.left(3).compare(QLatin1String("dr="), Qt::CaseInsensitive) == 0) {
            options.start.dataRoot = parseProgramArguments({arg}).dataRoot;
            continue;
        }
        if (arg.compare(QLatin1String("rok"), Qt::CaseInsensitive) == 0) {
            if (index + 1 >= args.size()) {
                result.error = QStringLiteral("Po „%1” brakuje roku.").arg(arg);
                return result;
            }
            result.error = applyOption(options, QStringLiteral("rok"), args.at(++index));
            if (!result.ok())
                return result;
            continue;
        }
        if (!arg.startsWith(QLatin1String("--")))
            break;

        const qsizetype equals = arg.indexOf(QLatin1Char('='));
        const QString name = arg.mid(2, equals < 0 ? -1 : equals - 2);
        if (flags.contains(name)) {
            if (equals >= 0) {
                result.error = QStringLiteral("Opcja --%1 nie przyjmuje wartości.").arg(name);
                return result;
            }
            (name == QLatin1String("version") ? options.version : options.help) = true;
            continue;
        }
        if (!valued.contains(name)) {
            result.error = QStringLiteral("Nieznana opcja: %1").arg(arg);
            return result;
        }
        QString value;
        if (equals >= 0) {
            value = arg.mid(equals + 1);
        } else if (index + 1 < args.size()) {
            value = args.at(++index);
        } else {
            result.error = QStringLiteral("Opcja --%1 wymaga wartości.").arg(name);
            return result;
        }
        if (value.isEmpty() && name != QLatin1String("answers")) {
            result.error = QStringLiteral("Opcja --%1 wymaga wartości.").arg(name);
            return result;
        }
        result.error = applyOption(options, name, value);
        if (!result.ok())
            return result;
    }
    options.command = args.mid(index);
    return result;
}
