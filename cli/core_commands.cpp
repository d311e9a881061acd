#include "cli/core_commands.h"

#include "cli/cli_session.h"
#include "cli/table_dump.h"
#include "core/new_data_root.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "platform/table_files.h"

#include <QRegularExpression>

namespace {

QString optionValue(const QStringList &arguments, const QString &name, int &at)
{
    if (arguments[at].startsWith(name + QLatin1Char('=')))
        return arguments[at].mid(name.size() + 1);
    if (at + 1 < arguments.size())
        return arguments[++at];
    return QString();
}

int init(CommandContext &context)
{
    NewDataRoot request;
    request.dataRoot = context.options.start.dataRoot.value_or(QString());
    request.year = context.options.start.year.value_or(today().toString(QStringLiteral("yyyy")));
    request.firmName = QStringLiteral("Moja Firma");
    request.operatorName = context.options.operatorName.value_or(QStringLiteral("Administrator"));
    const QStringList &arguments = context.arguments;
    for (int at = 0; at < arguments.size(); ++at) {
        const QString &word = arguments[at];
        if (word == QLatin1String("--demo")) {
            request.demo = true;
        } else if (word.startsWith(QLatin1String("--firma"))) {
            request.firmName = optionValue(arguments, QStringLiteral("--firma"), at);
        } else if (word.startsWith(QLatin1String("--rok"))) {
            request.year = optionValue(arguments, QStringLiteral("--rok"), at);
        } else if (word.startsWith(QLatin1String("--operator"))) {
            request.operatorName = optionValue(arguments, QStringLiteral("--operator"), at);
        } else {
            context.err << QStringLiteral("ksiega-cli init: nieznana opcja %1\n").arg(word);
            return CliUsageError;
        }
    }
    static const QRegularExpression fourDigits(QStringLiteral("^[12]\\d{3}$"));
    if (!fourDigits.match(request.year).hasMatch()) {
        context.err << QStringLiteral("ksiega-cli init: rok musi mieć cztery cyfry: %1\n")
                           .arg(request.year);
        return CliUsageError;
    }
    createDataRoot(request);
    context.out << QStringLiteral("Założono dane firmy \"%1\" na rok %2.\n")
                       .arg(request.firmName, request.year);
    return CliSuccess;
}

int status(CommandContext &context)
{
    CliSession session(context);
    const WorkingEnvironment &env = session.environment;
    context.out << "katalog: " << env.dataRoot << '\n'
                << "rok: " << env.workingYear << '\n'
                << "miesiac: " << env.workingMonth << '\n'
                << "uzytkownik: " << env.userName << '\n'
                << "lata: " << env.years.join(QLatin1Char(' ')) << '\n'
                << "tabele: " << env.openedTables.join(QLatin1Char(';')) << '\n'
                << "ostatni_zaksiegowany: " << env.lastPostedMonth << '\n';
    return session.started() ? CliSuccess : CliFailed;
}

int dump(CommandContext &context)
{
    if (context.arguments.size() != 1) {
        context.err << QStringLiteral("Użycie: ksiega-cli dump SCIEZKA (np. KSIEGA/SUMA, FIRMA, "
                                      "KSIEGA)\n");
        return CliUsageError;
    }
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    dumpTable(session.dane, context.arguments.first(), context.out);
    return CliSuccess;
}

} // namespace

void addCoreCommands(CommandRegistry &registry)
{
    registry.add(QStringLiteral("init"),
                 QStringLiteral("zakłada nowe dane: [--firma NAZWA] [--rok RRRR] [--operator "
                                "NAZWISKO] [--demo]"),
                 init);
    registry.add(QStringLiteral("status"), QStringLiteral("pokazuje stan po uruchomieniu"), status);
    registry.add(QStringLiteral("dump"),
                 QStringLiteral("wypisuje tabelę: dump KSIEGA/SUMA | FIRMA | KSIEGA"), dump);
}
