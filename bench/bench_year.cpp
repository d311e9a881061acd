#include "bench_year.h"

#include "assembly/data_module_assembly.h"
#include "core/data_module.h"
#include "core/start_up.h"
#include "core/new_data_root.h"

#include <QDir>
#include <QRandomGenerator>

BenchFolder::BenchFolder(const QString &root, const char *today) : previous_(QDir::currentPath())
{
    QDir().mkpath(root);
    QDir::setCurrent(root);
    qputenv("KSIEGA_TODAY", today);
}

BenchFolder::~BenchFolder()
{
    qunsetenv("KSIEGA_TODAY");
    QDir::setCurrent(previous_);
}

void CreateBenchDataRoot(const QString &year)
{
    createDataRoot({QString(), QStringLiteral("Pomiar"), year,
                    QStringLiteral("Pomiar"), false});
}

QString BenchMonth(int month)
{
    return QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
}

void FillBenchLedger(TDANE &dane)
{
    QRandomGenerator random(2019);
    const QString year = dane.environment().workingYear;
    Cursor &ledger = dane.TKSIEGA;
    dane.environment().importInProgress = true;
    ledger.disableControls();
    ledger.beginTransaction();
    for (int i = 0; i < BenchEntries; ++i) {
        const int month = 1 + i * 12 / BenchEntries;
        ledger.append();
        ledger.field(QStringLiteral("LP")).setInteger(i + 1);
        ledger.field(QStringLiteral("MC")).setAsString(BenchMonth(month));
        ledger.field(QStringLiteral("DATA")).setAsString(
            QStringLiteral("%1.%2.%3")
                .arg(year, BenchMonth(month), BenchMonth(1 + random.bounded(28))));
        ledger.field(QStringLiteral("NRKSIEG"))
            .setAsString(QStringLiteral("FV/%1/%2").arg(i + 1).arg(year));
        ledger.field(QStringLiteral("NAZ1")).setAsString(
            QStringLiteral("Przedsiębiorstwo nr %1").arg(1 + random.bounded(BenchContractors)));
        ledger.field(QStringLiteral("K7")).setCurrency(Money::fromUnits(random.bounded(100000000)));
        ledger.field(QStringLiteral("K10")).setCurrency(Money::fromUnits(random.bounded(50000000)));
        ledger.field(QStringLiteral("K13")).setCurrency(Money::fromUnits(random.bounded(5000000)));
        ledger.post();
    }
    ledger.commit();
    ledger.enableControls();
    dane.environment().importInProgress = false;
}

void FillBenchContractors(TDANE &dane)
{
    Cursor &contractors = dane.TKontrah;
    contractors.beginTransaction();
    for (int i = 1; i <= BenchContractors; ++i) {
        contractors.append();
        contractors.field(QStringLiteral("NR")).setInteger(i);
        contractors.field(QStringLiteral("NIP")).setAsString(QStringLiteral("%1").arg(5260000000LL + i));
        contractors.field(QStringLiteral("SKROT")).setAsString(QStringLiteral("KONTRAHENT %1").arg(i));
        contractors.field(QStringLiteral("NAZWA1"))
            .setAsString(QStringLiteral("Przedsiębiorstwo nr %1").arg(i));
        contractors.post();
    }
    contractors.commit();
}

StartedBenchProgram::StartedBenchProgram(const QList<Answer> &answers)
    : prompter(answers), environment(startEnvironment()),
      dane(AssembleDataModule(environment, prompter))
{
    dane->DataModuleCreate();
}

StartedBenchProgram::~StartedBenchProgram() = default;
