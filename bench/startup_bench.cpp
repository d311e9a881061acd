#include "startup_bench.h"

#include "bench_report.h"
#include "core/data_module.h"
#include "core/new_data_root.h"
#include "core/start_up.h"
#include "ledger/month_view.h"
#include "platform/scripted_prompter.h"

#include <QDir>
#include <QRandomGenerator>

namespace {

constexpr int Entries = 100000;
constexpr int Contractors = 2000;

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

void fillYear(TDANE &dane)
{
    QRandomGenerator random(2019);
    Cursor &contractors = dane.TKontrah;
    contractors.beginTransaction();
    for (int i = 1; i <= Contractors; ++i) {
        contractors.append();
        contractors.field(QStringLiteral("NR")).setInteger(i);
        contractors.field(QStringLiteral("NIP")).setAsString(QStringLiteral("%1").arg(5260000000LL + i));
        contractors.field(QStringLiteral("SKROT")).setAsString(QStringLiteral("KONTRAHENT %1").arg(i));
        contractors.field(QStringLiteral("NAZWA1")).setAsString(QStringLiteral("Przedsiębiorstwo nr %1").arg(i));
        contractors.post();
    }
    contractors.commit();

    Cursor &ledger = dane.TKSIEGA;
    dane.environment().importInProgress = true;
    ledger.disableControls();
    ledger.beginTransaction();
    for (int i = 0; i < Entries; ++i) {
        const int month = 1 + i * 12 / Entries;
        ledger.append();
        ledger.field(QStringLiteral("LP")).setInteger(i + 1);
        ledger.field(QStringLiteral("MC")).setAsString(twoDigits(month));
        ledger.field(QStringLiteral("DATA")).setAsString(
            QStringLiteral("2019.%1.%2").arg(twoDigits(month), twoDigits(1 + random.bounded(28))));
        ledger.field(QStringLiteral("NRKSIEG")).setAsString(QStringLiteral("FV/%1/2019").arg(i + 1));
        ledger.field(QStringLiteral("NAZ1")).setAsString(QStringLiteral("Przedsiębiorstwo nr %1").arg(1 + random.bounded(Contractors)));
        ledger.field(QStringLiteral("K7")).setCurrency(Money::fromUnits(random.bounded(100000000)));
        ledger.field(QStringLiteral("K13")).setCurrency(Money::fromUnits(random.bounded(5000000)));
        ledger.post();
    }
    ledger.commit();
    ledger.enableControls();
    dane.environment().importInProgress = false;
}

} // namespace

void benchStartup(const QString &folder, BenchReport &report)
{
    const QString root = folder + QStringLiteral("/dane");
    QDir().mkpath(root);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(root);
    qputenv("KSIEGA_TODAY", "2019.05.10");
    createDataRoot({QString(), QStringLiteral("Pomiar"), QStringLiteral("2019"),
                    QStringLiteral("Pomiar"), false});
    ScriptedPrompter prompter;
    {
        WorkingEnvironment environment = startEnvironment();
        TDANE dane(environment, prompter);
        dane.DataModuleCreate();
        report.time(QStringLiteral("założenie roku: 100 000 zapisów, 2 000 kontrahentów"),
                    [&] { fillYear(dane); });
    }

    WorkingEnvironment environment = startEnvironment();
    TDANE dane(environment, prompter);
    report.time(QStringLiteral("start programu na tym roku (cel < 500 ms)"),
                [&] { dane.DataModuleCreate(); });
    SelectWorkingMonth(dane, QStringLiteral("05"));
    int number = 0;
    report.time(QStringLiteral("numer następnego zapisu NUMER (cel < 1 ms)"),
                [&] { number = dane.NUMER(); });
    if (number != Entries + 1)
        qFatal("NUMER: zły numer");
    report.time(QStringLiteral("zmiana miesiąca w księdze, strona danych (cel < 50 ms)"),
                [&] { SelectWorkingMonth(dane, QStringLiteral("11")); });
    report.time(QStringLiteral("widok \"Wszystkie\": 100 000 zapisów"),
                [&] { SelectWorkingMonth(dane, QStringLiteral("13")); });
    QDir::setCurrent(previous);
}
