#pragma once
// A started data root beside tables of the companion programs, written with plain SQL as
// those programs write them: the invoicing program's registers, invoices and positions, the
// vehicle log and the fixed-asset program's sums. Imports run with a scripted answer.

#include "core/table_access.h"
#include "imports/register_import.h"
#include "ledger/month_view.h"
#include "platform/progress.h"
#include "tests/core/data_root_fixture.h"

#include <QFileInfo>
#include <QScopedValueRollback>

class CompanionTest : public DataRootTest {
protected:
    void SetUp() override
    {
        DataRootTest::SetUp();
        createTable("2019/FIN/RD.DB", "CREATE TABLE RD (RD TEXT, NAZWA TEXT, L1 BOOLEAN, Wzor TEXT)");
        // Amounts as the invoicing program keeps them: the headers in 1/10000 zł, the
        // positions as plain złoty values.
        createTable("2019/FIN/NAGFAKS.DB",
                    "CREATE TABLE NAGFAKS (RD TEXT, ROK TEXT, NRD INTEGER, AUTO INTEGER, DATA TEXT, "
                 "ZBANK TEXT, NRK TEXT, ONAZ1 TEXT, ONAZ2 TEXT, OKOD TEXT, OMIEJSC TEXT, OUL TEXT, "
                 "ONIP TEXT, DATAS TEXT, MC TEXT, L1 CURRENCY INTEGER, KSEF TEXT)");
        createTable("2019/FIN/POZFAKS.DB",
                    "CREATE TABLE POZFAKS (NAZWA TEXT, RD TEXT, ROK TEXT, MC TEXT, NRD INTEGER, "
                 "AUTO INTEGER, KKONTO TEXT, WNETTO NUMERIC, VAT REAL, WBRUTTO REAL, DEK TEXT)");
        addRegister("SB", "Sprzedaż", "FV/[NRD]/[mc]/[ROK]");
        addRegister("DK", "Zakupy netto");
    }

    // A table file of a companion program, made as that program makes it.
    void createTable(const QString &relativeFile, const QString &sql)
    {
        QDir().mkpath(QFileInfo(at(relativeFile)).path());
        Connection connection(at(relativeFile), Connection::Mode::Create);
        connection.exec(sql);
    }

    void addRegister(const QString &code, const QString &name, const QString &numberTemplate = {},
                     bool imported = true)
    {
        plainSql("2019/FIN/RD.DB", QStringLiteral("INSERT INTO RD VALUES ('%1', '%2', %3, '%4')")
                                       .arg(code, name, imported ? "1" : "0", numberTemplate));
    }

    // An invoice of `date` to "Kwiaciarnia Róża"; purchases are entered a day later.
    void addInvoice(const QString &code, int number, const QString &date = QStringLiteral("2019.05.06"),
                    const QString &rate = QStringLiteral("NULL"), const QString &ksef = QString())
    {
        plainSql("2019/FIN/NAGFAKS.DB",
                 QStringLiteral("INSERT INTO NAGFAKS VALUES ('%1', '2019', %2, 0, '%3', 'Z/%2', "
                                "'00002', 'Kwiaciarnia Róża', 'Anna Żak', '30-001', 'KRAKÓW', "
                                "'ul. Długa 5', '677-000-21-37', '%4', '%5', %6, '%7')")
                     .arg(code)
                     .arg(number)
                     .arg(date, date.left(8) + QStringLiteral("28"), date.mid(5, 2), rate, ksef));
    }

    void addPosition(const QString &code, int number, const QString &account, const QString &name,
                     const QString &net, const QString &vat = QStringLiteral("0"),
                     const QString &gross = QStringLiteral("0"), const QString &declaration = QString(),
                     int automatic = 0)
    {
        plainSql("2019/FIN/POZFAKS.DB",
                 QStringLiteral("INSERT INTO POZFAKS VALUES ('%1', '%2', '2019', '05', %3, %4, '%5', "
                                "%6, %7, %8, '%9')")
                     .arg(name, code)
                     .arg(number)
                     .arg(automatic)
                     .arg(account, net, vat, gross, declaration));
    }

    void setParameters(int mode, bool keepColumnsApart)
    {
        plainSql("KSIEGA.DB", QStringLiteral("UPDATE KSIEGA SET L3 = %1, B1 = %2")
                                  .arg(mode)
                                  .arg(keepColumnsApart ? 1 : 0));
    }

    TDANE &ready(const QString &month = QStringLiteral("05"), const char *day = "2019.05.10")
    {
        TDANE &d = start(day);
        SelectWorkingMonth(d, month);
        return d;
    }

    // The import of `kind` answered "OK"; the monthly summary's editor saves what it shows.
    ImportResult importRegisters(RegisterKind kind, Answer answer = Answer::Ok)
    {
        prompter.enqueue(answer);
        return ImportRegisters(*dane, kind, progress, [this] { editorClosed(); });
    }

    virtual void editorClosed() { static_cast<void>(SaveTable(dane->TKSIEGA, prompter)); }

    // An entry written straight into the working month, as a hand or another import made it.
    void entry(int number, const QString &key, bool marked = false)
    {
        Cursor &ledger = dane->TKSIEGA;
        QScopedValueRollback<bool> quiet(dane->environment().importInProgress, true);
        ledger.append();
        ledger.field("LP").setInteger(number);
        ledger.field("MC").setAsString(dane->environment().workingMonth);
        ledger.field("DATA").setAsString("2019.05.01");
        ledger.field("NRKOMP").setAsString(key);
        ledger.field("B1").setBoolean(marked);
        ledger.post();
    }

    using Fields = QStringList;
    static inline const Fields EntryFields = {"NRKOMP", "OPIS1", "OPIS2", "K7", "K8", "K10", "K11",
                                              "K12", "K13", "K16"};

    // "LP|field|field..." of the entry the ledger stands on, amounts in their shortest form.
    QString line(const Fields &fields)
    {
        Cursor &ledger = dane->TKSIEGA;
        QStringList values{ledger.field("LP").asString()};
        for (const QString &field : fields) {
            const Field value = ledger.field(field);
            values << (value.type() == FieldType::Currency
                           ? (value.isNull() ? QString() : value.asCurrency().toShortestString())
                           : value.asString());
        }
        return values.join(QLatin1Char('|'));
    }

    // The lines of the working month's entries in book order.
    QStringList entries(const Fields &fields = EntryFields)
    {
        Cursor &ledger = dane->TKSIEGA;
        QStringList lines;
        for (ledger.first(); !ledger.eof(); ledger.next())
            lines << line(fields);
        return lines;
    }

    // An import that is refused before its question: no answer is waiting for it.
    ImportOutcome refusedImport(RegisterKind kind)
    {
        return ImportRegisters(*dane, kind, progress, [] {}).outcome;
    }

    SilentProgress progress;
};
