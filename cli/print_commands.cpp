#include "cli/print_commands.h"

#include "cli/cli_print_job.h"
#include "cli/cli_session.h"
#include "core/working_environment.h"
#include "firm/firm_record.h"
#include "platform/table_files.h"
#include "platform/clock.h"

#include <QFile>

#include <cstdio>
#include <memory>

struct TextPrintOptions {
    std::optional<TTypWydruku> output;
    bool pdf = false;
    std::optional<QString> file;
    std::optional<TPL> coding;
    QString title;
    bool header = true;
};

static std::optional<TTypWydruku> outputNamed(const QString &name, bool &pdf)
{
    pdf = name == QLatin1String("pdf");
    if (name == QLatin1String("drukarka") || pdf)
        return drWINDOWS;
    if (name == QLatin1String("port"))
        return drDOS;
    if (name == QLatin1String("eksport"))
        return drEKSPORT;
    if (name == QLatin1String("bw"))
        return drBW;
    return std::nullopt;
}

static std::optional<TPL> codingNamed(const QString &name)
{
    const QString lower = name.toLower();
    if (lower == QLatin1String("brak"))
        return drBRAK;
    if (lower == QLatin1String("mazovia"))
        return drMAZOWIA;
    if (lower == QLatin1String("latin"))
        return drLATIN;
    if (lower == QLatin1String("windows"))
        return drLATIN852;
    return std::nullopt;
}

// The options of the command; the error text for the user, empty when they are good.
static QString readOptions(const CommandContext &context, TextPrintOptions &options)
{
    const QString output = context.option(QStringLiteral("wyjscie")).value_or(QString());
    options.output = outputNamed(output, options.pdf);
    if (!options.output)
        return QStringLiteral("Nieznane wyjście: „%1” (drukarka, pdf, port, eksport, bw).")
            .arg(output);
    if (const std::optional<QString> coding = context.option(QStringLiteral("kodowanie"))) {
        options.coding = codingNamed(*coding);
        if (!options.coding)
            return QStringLiteral("Nieznane kodowanie: „%1” (brak, mazovia, latin, windows).")
                .arg(*coding);
    }
    options.file = context.option(QStringLiteral("plik"));
    options.title = context.option(QStringLiteral("tytul")).value_or(QString());
    options.header = !context.hasOption(QStringLiteral("bez-naglowka"));
    if (options.pdf && !options.file)
        return QStringLiteral("Wydruk do PDF wymaga nazwy pliku: --plik PLIK.pdf.");
    return QString();
}

static int printLines(CommandContext &context, QTextStream &input)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    TextPrintOptions options;
    const QString error = readOptions(context, options);
    if (!error.isEmpty())
        return usageError(context, error);

    // Started among a firm's data, the page header names the firm and the operator as the
    // program's would; elsewhere the text prints with what the command line gives.
    std::unique_ptr<CliSession> session;
    if (tableExists(QStringLiteral("KSIEGA"))) {
        session = std::make_unique<CliSession>(context);
        if (!session->started())
            return CliFailed;
    }
    WorkingEnvironment fallback;
    fallback.today = todayText();
    fallback.dataRoot = context.options.start.dataRoot.value_or(QString());
    fallback.userName = context.options.operatorName.value_or(QString());
    const WorkingEnvironment &environment = session ? session->environment : fallback;
    CliPrintJob job(
        environment, [&session] { return session ? FirmShortName(session->dane) : QString(); },
        options.pdf, options.file.value_or(QStringLiteral("eksport.txt")), context.prompter,
        context.progress);
    TDRUK &engine = job.engine();
    engine.TypWydruku = *options.output;
    if (options.coding)
        engine.Pl = *options.coding;
    engine.Bufor = true;

    engine.START(options.title, false, 0, 0, options.header);
    while (!input.atEnd() && engine.isOutputOpen()) {
        engine.PISZ(input.readLine());
        engine.Postep();
    }
    engine.STOP(options.header);
    // The printer's lines go out at the end, where a device that failed says so.
    return engine.outputComplete() ? CliSuccess : CliFailed;
}

static CommandEntry textPrintCommand(CommandFunction run)
{
    CommandEntry command{QStringLiteral("drukuje linie z wejścia przez moduł wydruku tekstowego"),
                         QString(), CommandOptions(), std::move(run), nullptr};
    command
        .value(QStringLiteral("wyjscie"), QStringLiteral("drukarka|pdf|port|eksport|bw"),
               QStringLiteral("dokąd idzie wydruk"))
        .required()
        .value(QStringLiteral("plik"), QStringLiteral("PLIK"),
               QStringLiteral("plik PDF (wymagany dla pdf) lub plik eksportu"))
        .value(QStringLiteral("kodowanie"), QStringLiteral("brak|mazovia|latin|windows"),
               QStringLiteral("kodowanie polskich liter (domyślnie z ustawień wydruku)"))
        .value(QStringLiteral("tytul"), QStringLiteral("TYTUŁ"),
               QStringLiteral("tytuł wydruku w nagłówku"))
        .flag(QStringLiteral("bez-naglowka"), QStringLiteral("bez nagłówka i stopki strony"));
    return command;
}

int runTextPrint(CommandContext &context, QTextStream &input)
{
    const CommandEntry command =
        textPrintCommand([&input](CommandContext &named) { return printLines(named, input); });
    return runCommand(command, QStringLiteral("text-print"), context);
}

void addPrintCommands(CommandRegistry &registry)
{
    registry.add(QStringLiteral("text-print"), textPrintCommand([](CommandContext &context) {
                     QFile standardInput;
                     if (!standardInput.open(stdin, QIODevice::ReadOnly)) {
                         context.prompter.error(QStringLiteral("Błąd odczytu wejścia."));
                         return int(CliFailed);
                     }
                     QTextStream input(&standardInput);
                     input.setEncoding(QStringConverter::Utf8);
                     return printLines(context, input);
                 }));
}
