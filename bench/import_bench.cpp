#include "import_bench.h"

#include "bench_report.h"
#include "bench_year.h"
#include "core/data_module.h"
#include "imports/register_import.h"
#include "ledger/month_view.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "platform/sqlite_db.h"

#include <QDir>

namespace {

constexpr int Invoices = 10000;
constexpr int PositionsPerInvoice = 4;

// The invoicing program's tables of the year, written as that program writes them; every
// invoice has two positions of column 7, one of column 8 and one of column 15.
void writeInvoices(const QString &folder)
{
    QDir().mkpath(folder);
    Connection registers(folder + QStringLiteral("RD.DB"), Connection::Mode::Create);
    registers.exec(QStringLiteral("CREATE TABLE RD (RD TEXT, NAZWA TEXT, L1 BOOLEAN, Wzor TEXT)"));
    registers.exec(QStringLiteral("INSERT INTO RD VALUES ('SB', 'Sprzedaż', 1, 'FV/[NRD]/[mc]/[ROK]')"));
    Connection headers(folder + QStringLiteral("NAGFAKS.DB"), Connection::Mode::Create);
    headers.exec(QStringLiteral("CREATE TABLE NAGFAKS (RD TEXT, ROK TEXT, NRD INTEGER, DATA TEXT, "
                                "NRK TEXT, ONAZ1 TEXT, ONAZ2 TEXT, OKOD TEXT, OMIEJSC TEXT, OUL TEXT, "
                                "ONIP TEXT, MC TEXT, L1 CURRENCY INTEGER)"));
    headers.exec(QStringLiteral("CREATE INDEX NAGFAKS_RD ON NAGFAKS (RD)"));
    Connection positions(folder + QStringLiteral("POZFAKS.DB"), Connection::Mode::Create);
    positions.exec(QStringLiteral("CREATE TABLE POZFAKS (RD TEXT, ROK TEXT, MC TEXT, NRD INTEGER, "
                                  "AUTO INTEGER, KKONTO TEXT, NAZWA TEXT, WNETTO REAL, VAT REAL, "
                                  "WBRUTTO REAL, DEK TEXT)"));
    positions.exec(QStringLiteral("CREATE INDEX POZFAKS_NRD ON POZFAKS (RD, ROK, MC, NRD)"));
    headers.begin();
    positions.begin();
    Statement header(headers.handle(),
                     QStringLiteral("INSERT INTO NAGFAKS VALUES ('SB', '2019', ?, ?, ?, ?, '', '00-950', "
                                    "'WARSZAWA', 'ul. Żelazna 12', '526-000-12-46', ?, 0)"));
    Statement position(positions.handle(),
                       QStringLiteral("INSERT INTO POZFAKS VALUES ('SB', '2019', ?, ?, 0, ?, ?, ?, ?, ?, '')"));
    static const char *const accounts[PositionsPerInvoice] = {"KOL7", "KOL7", "KOL8", "KOL15"};
    for (int number = 1; number <= Invoices; ++number) {
        const QString month = BenchMonth(1 + (number - 1) * 12 / Invoices);
        header.bindAll({number, QStringLiteral("2019.%1.%2").arg(month, BenchMonth(1 + number % 28)),
                        QStringLiteral("%1").arg(1 + number % BenchContractors, 5, 10, QLatin1Char('0')),
                        QStringLiteral("Przedsiębiorstwo nr %1").arg(1 + number % BenchContractors), month});
        header.run();
        header.reset();
        for (int i = 0; i < PositionsPerInvoice; ++i) {
            const double net = 10.0 + (number * 7 + i * 13) % 5000 + 0.25 * i;
            position.bindAll({month, number, QString::fromLatin1(accounts[i]),
                              QStringLiteral("Pozycja %1").arg(i + 1), net, net * 0.23, net * 1.23});
            position.run();
            position.reset();
        }
    }
    positions.commit();
    headers.commit();
}

// What importing June amounts to in SQL: the month's positions summed per invoice and
// column, one new ledger entry per invoice, in one transaction (undone).
void importJuneWithSql(const QString &year)
{
    Connection ledger(year + QStringLiteral("KSIEGA/KSIEGA.DB"), Connection::Mode::ReadWrite);
    ledger.attach(year + QStringLiteral("FIN/NAGFAKS.DB"), QStringLiteral("n"));
    ledger.attach(year + QStringLiteral("FIN/POZFAKS.DB"), QStringLiteral("p"));
    ledger.begin();
    ledger.exec(QStringLiteral(
        "INSERT INTO KSIEGA (LP, MC, NRKOMP, NRKSIEG, DATA, NRK, NAZ1, KOD, MIEJSC, UL, NIP, K7, K8, K16, B1) "
        "SELECT 100000 + h.NRD, '06', printf('SB  /2019/06/%04d/001', h.NRD), 'FV/' || h.NRD || '/VI/2019', "
        "h.DATA, h.NRK, h.ONAZ1, h.OKOD, h.OMIEJSC, h.OUL, h.ONIP, "
        "SUM(CASE WHEN p.KKONTO = 'KOL7' THEN CAST(round(p.WNETTO * 10000) AS INTEGER) END), "
        "SUM(CASE WHEN p.KKONTO = 'KOL8' THEN CAST(round(p.WNETTO * 10000) AS INTEGER) END), "
        "SUM(CASE WHEN p.KKONTO = 'KOL15' THEN CAST(round(p.WNETTO * 10000) AS INTEGER) END), 0 "
        "FROM n.NAGFAKS h JOIN p.POZFAKS p ON p.RD = h.RD AND p.ROK = h.ROK AND p.MC = h.MC AND p.NRD = h.NRD "
        "WHERE substr(h.DATA, 1, 7) = '2019.06' GROUP BY h.NRD"));
    ledger.rollback();
}

} // namespace

void benchImports(const QString &folder, BenchReport &report)
{
    const BenchFolder here(folder + QStringLiteral("/import"), "2019.07.10");
    CreateBenchDataRoot();
    writeInvoices(QStringLiteral("2019/FIN/"));
    StartedBenchProgram program;
    ScriptedPrompter &prompter = program.prompter;
    WorkingEnvironment &environment = program.environment;
    TDANE &dane = *program.dane;
    FillBenchLedger(dane);
    SelectWorkingMonth(dane, QStringLiteral("06"));
    SilentProgress progress;
    const auto importJune = [&] {
        prompter.enqueue(Answer::Ok);
        const ImportResult result = ImportRegisters(dane, RegisterKind::Sales, progress, [] {});
        if (!result.imported() || result.counts.added + result.counts.updated < Invoices / 12)
            qFatal("import sprzedaży: czerwiec nie zaimportowany");
    };
    report.compare(QStringLiteral("import sprzedaży miesiąca, ok. 830 faktur (cel < 2 s)"), importJune,
                   [&] { importJuneWithSql(environment.yearDirectory()); });
    report.time(QStringLiteral("ponowny import sprzedaży tego samego miesiąca (cel < 2 s)"), importJune);
}
