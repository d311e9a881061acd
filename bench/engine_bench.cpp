#include "engine_bench.h"

#include "bench_report.h"
#include "platform/cursor.h"
#include "platform/session.h"
#include "platform/sqlite_db.h"
#include "platform/table_files.h"

#include <QRandomGenerator>

namespace {

constexpr int Entries = 100000;
constexpr int Searches = 1000;
constexpr int SinglePosts = 10000;

TableDef ledgerDefinition()
{
    TableDef definition;
    definition.fields = {
        {"AUTO", FieldType::AutoInc, 0, false}, {"LP", FieldType::Integer, 0, false},
        {"MC", FieldType::Text, 2, false},      {"DATA", FieldType::Text, 10, false},
        {"NRKSIEG", FieldType::Text, 50, false}, {"NAZ1", FieldType::Text, 50, false},
        {"OPIS1", FieldType::Text, 30, false},  {"K7", FieldType::Currency, 0, false},
        {"K8", FieldType::Currency, 0, false},  {"K10", FieldType::Currency, 0, false},
        {"K13", FieldType::Currency, 0, false}, {"UWAGI", FieldType::Memo, 0, false},
    };
    definition.indexes = {
        {QString(), {"AUTO"}, true, true, false, false},
        {"LPinx", {"MC", "LP"}, false, false, false, false},
        {"DATAinx", {"DATA"}, false, false, false, false},
        {"KONTRinx", {"NAZ1"}, false, false, true, false},
    };
    return definition;
}

QString month(int m)
{
    return QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0'));
}

void fill(Cursor &ledger)
{
    static const char *const names[] = {"Kowalski Jan", "Żółkiewski", "Łódź Handel", "Ąbc",
                                        "Nowak Sp. z o.o.", "Śliwa", "Zając", "Wiśniewska"};
    QRandomGenerator random(2019);
    ledger.beginTransaction();
    for (int i = 0; i < Entries; ++i) {
        const int m = 1 + i * 12 / Entries;
        ledger.append();
        ledger.field("LP").setInteger(i + 1);
        ledger.field("MC").setAsString(month(m));
        ledger.field("DATA").setAsString(QStringLiteral("2019.%1.%2").arg(month(m)).arg(
            1 + random.bounded(28), 2, 10, QLatin1Char('0')));
        ledger.field("NRKSIEG").setAsString(QStringLiteral("FV/%1/2019").arg(i + 1));
        ledger.field("NAZ1").setAsString(QString::fromUtf8(names[random.bounded(8)]));
        ledger.field("OPIS1").setAsString(QStringLiteral("Sprzedaż towarów"));
        ledger.field("K7").setCurrency(Money::fromUnits(random.bounded(100000000)));
        ledger.field("K13").setCurrency(Money::fromUnits(random.bounded(5000000)));
        ledger.post();
    }
    ledger.commit();
}

Money walkSum(Cursor &ledger)
{
    Money sum;
    for (ledger.first(); !ledger.eof(); ledger.next())
        sum += ledger.field("K7").asCurrency();
    return sum;
}

Money plainSum(Connection &plain, const QString &sql, const QVariantList &bindings = {})
{
    Statement statement(plain.handle(), sql);
    statement.bindAll(bindings);
    qint64 units = 0;
    while (statement.step())
        units += statement.columnInt64(0);
    return Money::fromUnits(units);
}

} // namespace

void benchEngine(const QString &folder, BenchReport &report)
{
    const QString file = folder + QStringLiteral("/KSIEGA.DB");
    createTable(file, ledgerDefinition());
    Session session;
    Cursor ledger(session, QStringLiteral("TKSIEGA"));
    ledger.setTableName(file);
    ledger.open();
    report.time(QStringLiteral("zapis 100 000 zapisów w jednej transakcji"), [&] { fill(ledger); });
    Connection plain(file, Connection::Mode::ReadWrite);

    ledger.setIndexName(QStringLiteral("LPinx"));
    Money engineSum;
    Money sqlSum;
    report.compare(
        QStringLiteral("przejście całej księgi w kolejności LPinx"),
        [&] { engineSum = walkSum(ledger); },
        [&] {
            sqlSum = plainSum(plain, QStringLiteral("SELECT K7, LP, MC, NAZ1 FROM KSIEGA ORDER BY "
                                                    "MC COLLATE POLISH, LP, rowid"));
        });
    if (engineSum != sqlSum)
        qFatal("sumy się różnią");

    const QString march = month(3);
    ledger.setFilterHook([&](Cursor &c) { return c.field("MC").asString() == march; },
                         [&] { return QList<QPair<QString, QVariant>>{{"MC", march}}; });
    report.compare(
        QStringLiteral("przejście miesiąca przez filtr (ok. 8 300 zapisów)"),
        [&] {
            ledger.setFiltered(true);
            engineSum = walkSum(ledger);
        },
        [&] {
            sqlSum = plainSum(plain, QStringLiteral("SELECT K7 FROM KSIEGA WHERE MC = ? ORDER BY "
                                                    "MC COLLATE POLISH, LP, rowid"),
                              {march});
        });
    if (engineSum != sqlSum)
        qFatal("sumy miesiąca się różnią");
    report.time(QStringLiteral("zmiana miesiąca w widoku (filtr z podpowiedzią)"), [&] {
        ledger.setFiltered(false);
        ledger.setFiltered(true);
    });
    ledger.setFiltered(false);

    QRandomGenerator random(7);
    QList<QPair<QString, int>> keys;
    for (int i = 0; i < Searches; ++i)
        keys << qMakePair(month(1 + random.bounded(12)), random.bounded(Entries));
    report.compare(
        QStringLiteral("1 000 wyszukań najbliższego klucza MC;LP"),
        [&] {
            for (const auto &[m, lp] : keys)
                ledger.findNearest({m, lp});
        },
        [&] {
            Statement nearest(plain.handle(),
                              QStringLiteral("SELECT rowid FROM KSIEGA WHERE (MC, LP) >= "
                                             "(? COLLATE POLISH, ?) ORDER BY MC COLLATE POLISH, LP, rowid "
                                             "LIMIT 1"));
            for (const auto &[m, lp] : keys) {
                nearest.bindAll({m, lp});
                nearest.step();
                nearest.reset();
            }
        });

    report.compare(
        QStringLiteral("10 000 pojedynczych zapisów, każdy od razu na dysku"),
        [&] {
            for (int i = 0; i < SinglePosts; ++i) {
                ledger.append();
                ledger.field("LP").setInteger(Entries + i + 1);
                ledger.field("MC").setAsString(QStringLiteral("13"));
                ledger.field("K7").setCurrency(Money::fromZloty(i));
                ledger.post();
            }
        },
        [&] {
            Statement insert(plain.handle(),
                             QStringLiteral("INSERT INTO KSIEGA (LP, MC, K7) VALUES (?, '13', ?)"));
            for (int i = 0; i < SinglePosts; ++i) {
                insert.bindAll({Entries + SinglePosts + i + 1, qint64(i) * 10000});
                insert.run();
                insert.reset();
            }
        });

    ledger.setIndexName(QString());
    report.compare(
        QStringLiteral("zmiana K8 w 120 000 zapisów w jednej transakcji"),
        [&] {
            ledger.beginTransaction();
            for (ledger.first(); !ledger.eof(); ledger.next()) {
                ledger.edit();
                ledger.field("K8").setCurrency(ledger.field("K7").asCurrency());
                ledger.post();
            }
            ledger.commit();
        },
        [&] {
            plain.begin();
            Statement rows(plain.handle(), QStringLiteral("SELECT rowid, K7 FROM KSIEGA ORDER BY rowid"));
            Statement update(plain.handle(), QStringLiteral("UPDATE KSIEGA SET K8 = ? WHERE rowid = ?"));
            while (rows.step()) {
                update.bindAll({rows.columnInt64(1) + 1, rows.columnInt64(0)});
                update.run();
                update.reset();
            }
            plain.commit();
        });
}
