#include "jpk_bench.h"

#include "bench_report.h"
#include "bench_year.h"
#include "core/data_module.h"
#include "jpk/jpk_export.h"
#include "platform/scripted_prompter.h"
#include "platform/sqlite_db.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamWriter>

namespace {

void writeWithSql(const QString &table, const QString &file)
{
    Connection plain(table, Connection::Mode::ReadOnly);
    Statement rows(plain.handle(), QStringLiteral("SELECT LP, DATA, NRKSIEG, NAZ1, K7, K10, K13 "
                                                  "FROM KSIEGA ORDER BY LP"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        qFatal("JPK SQL: zapis pliku");
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(0);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("JPK"));
    while (rows.step()) {
        xml.writeStartElement(QStringLiteral("PKPIRWiersz"));
        for (int i = 0; i < rows.columnCount(); ++i)
            xml.writeTextElement(QStringLiteral("K_%1").arg(i + 1), rows.column(i).toString());
        xml.writeEndElement();
    }
    xml.writeEndDocument();
}

} // namespace

void benchJpk(const QString &folder, BenchReport &report)
{
    const BenchFolder here(folder + QStringLiteral("/jpk"), "2019.05.10");
    CreateBenchDataRoot();
    {
        Connection firm(QDir::current().absoluteFilePath(QStringLiteral("FIRMA.DB")),
                        Connection::Mode::ReadWrite);
        firm.exec(QStringLiteral("UPDATE FIRMA SET NIP = '5261040828', IMIE = 'Jan', "
                                 "NAZWISKO = 'Kowalski', DATAUR = '15-05-1980', URZAD = '1433'"));
    }
    StartedBenchProgram program;
    ScriptedPrompter &prompter = program.prompter;
    TDANE &dane = *program.dane;
    FillBenchLedger(dane);

    JpkRequest request;
    request.file = QDir::current().absoluteFilePath(QStringLiteral("jpk.xml"));
    request.schemaDirectory = InstalledJpkSchemaDirectory();
    std::optional<JpkSummary> summary;
    report.compare(QStringLiteral("JPK_PKPIR roku 100 000 zapisów, ze sprawdzeniem schematu (cel < 5 s)"),
                   [&] { summary = ExportJpkPkpir(dane, request, prompter); },
                   [&] {
                       writeWithSql(dane.TKSIEGA.tablePath(),
                                    QDir::current().absoluteFilePath(QStringLiteral("sql.xml")));
                   });
    if (!summary || summary->rows != BenchEntries)
        qFatal("JPK: plik nie zapisany: %s",
               qPrintable(prompter.messages().isEmpty() ? QString() : prompter.messages().last().text));
}
