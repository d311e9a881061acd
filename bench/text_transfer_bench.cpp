#include "text_transfer_bench.h"

#include "bench_report.h"
#include "bench_year.h"
#include "core/data_module.h"
#include "maintenance/text_export.h"
#include "maintenance/text_import.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "platform/sqlite_db.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// The catalogue as lines of Windows-1250 text, read with plain SQL.
void exportWithSql(const QString &table, const QString &file)
{
    Connection plain(table, Connection::Mode::ReadOnly);
    Statement rows(plain.handle(), QStringLiteral("SELECT * FROM KONTRAHI ORDER BY NR"));
    QStringEncoder encoder("windows-1250");
    QByteArray text;
    while (rows.step()) {
        QString line;
        for (int i = 0; i < rows.columnCount(); ++i)
            line += rows.column(i).toString() + QLatin1Char('\t');
        text += encoder.encode(line + QStringLiteral("\r\n"));
    }
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
        qFatal("export SQL: zapis pliku");
}

// The file's lines written into a copy of the catalogue in one transaction.
void importWithSql(const QString &table, const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        qFatal("import SQL: odczyt pliku");
    QStringDecoder decoder("windows-1250");
    const QString text = decoder.decode(in.readAll());
    Connection plain(table, Connection::Mode::ReadWrite);
    plain.begin();
    Statement insert(plain.handle(),
                     QStringLiteral("INSERT OR REPLACE INTO KONTRAHI (NR, NIP, SKROT, NAZWA1, NAZWA2, "
                                    "KOD, MIEJSC, UL, BANK, NUM1, NUM2, NUM3, ff) "
                                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (const QString &line : lines.mid(1)) {
        QVariantList values;
        for (const QString &value : line.split(QLatin1Char('\t')).mid(0, 13))
            values << (value.isEmpty() ? QVariant() : QVariant(value));
        insert.bindAll(values);
        insert.run();
        insert.reset();
    }
    plain.commit();
}

} // namespace

void benchTextTransfer(const QString &folder, BenchReport &report)
{
    const BenchFolder here(folder + QStringLiteral("/tekst"), "2019.05.10");
    CreateBenchDataRoot();
    StartedBenchProgram program;
    SilentProgress progress;
    ScriptedPrompter &prompter = program.prompter;
    TDANE &dane = *program.dane;
    FillBenchContractors(dane);
    Cursor &catalogue = dane.TKontrah;
    const QString table = catalogue.tablePath();
    const QString file = QDir::current().absoluteFilePath(QStringLiteral("export.txt"));
    const QString plainFile = QDir::current().absoluteFilePath(QStringLiteral("sql.txt"));

    std::optional<int> rows;
    report.compare(QStringLiteral("export 2 000 kontrahentów do pliku (cel < 1 s)"),
                   [&] { rows = ExportTable(catalogue, ExportMapping(catalogue), file, progress, prompter); },
                   [&] { exportWithSql(table, plainFile); });
    if (rows != BenchContractors)
        qFatal("export: zła liczba wierszy");

    const QString plainTable = QDir::current().absoluteFilePath(QStringLiteral("KONTRAHI.DB"));
    QFile::copy(table, plainTable);
    catalogue.emptyTable();
    std::optional<ImportCounts> counts;
    auto import = [&] {
        QFile::copy(file, QStringLiteral("import.txt"));
        const QString path = QDir::current().absoluteFilePath(QStringLiteral("import.txt"));
        if (const auto mapping = MapImportFile(catalogue, path, prompter))
            counts = ImportTable(catalogue, *mapping, path, progress, prompter);
    };
    report.compare(QStringLiteral("import 2 000 kontrahentów do pustego katalogu (cel < 1 s)"),
                   import, [&] { importWithSql(plainTable, plainFile); });
    if (!counts || counts->inserted != BenchContractors)
        qFatal("import: wiersze nie dodane");
    report.compare(QStringLiteral("import 2 000 kontrahentów już w katalogu (cel < 1 s)"), import,
                   [&] { importWithSql(plainTable, plainFile); });
    if (!counts || counts->updated != BenchContractors)
        qFatal("import: wiersze nie zmienione");
}
