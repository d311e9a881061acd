#include "core/new_data_root.h"

#include "core/demo_data.h"
#include "core/table_layouts.h"
#include "platform/clock.h"
#include "platform/cursor.h"
#include "platform/paths.h"
#include "platform/session.h"
#include "platform/table_files.h"

#include <QDir>

namespace {

struct PlannedTable {
    QString path;
    TableDef layout;
};

QList<PlannedTable> plannedTables(const QString &root, const QString &year)
{
    const QString dir = root + year + QLatin1Char('/');
    return {
        {QStringLiteral("KSIEGA"), parameterLayout()},
        {root + QStringLiteral("FIRMA"), firmLayout()},
        {dir + QStringLiteral("KSIEGA/KSIEGA"), ledgerLayout()},
        {dir + QStringLiteral("KSIEGA/SUMA"), sumsLayout()},
        {dir + QStringLiteral("KSIEGA/USER"), usersLayout()},
        {dir + QStringLiteral("KSIEGA/OPISZG"), descriptionsLayout()},
        {dir + QStringLiteral("FIN/KONTRAHI"), contractorsLayout()},
        {dir + QStringLiteral("FIN/KONTRAHO"), contractorNotesLayout()},
        {dir + QStringLiteral("DRUKI/DPIT5"), declarationsLayout()},
        {dir + QStringLiteral("PLACE/STALE"), constantsLayout()},
    };
}

// Fills one new table through a cursor of its own, all rows in one transaction.
template <typename Fill>
void fillTable(const QString &path, Fill fill)
{
    Session session;
    Cursor table(session, QStringLiteral("TNOWA"));
    table.setTableName(path);
    table.open();
    table.beginTransaction();
    fill(table);
    table.commit();
}

void setText(Cursor &table, const char *field, const QString &value)
{
    table.field(QString::fromLatin1(field)).setAsString(value);
}

void writeParameters(Cursor &parameters)
{
    parameters.append();
    parameters.field(QStringLiteral("P2")).setInteger(10);
    parameters.field(QStringLiteral("P3")).setInteger(10);
    parameters.field(QStringLiteral("ML")).setInteger(0);
    parameters.field(QStringLiteral("MG")).setInteger(0);
    parameters.field(QStringLiteral("ZL1")).setBoolean(true);
    parameters.field(QStringLiteral("L3")).setInteger(0);
    parameters.field(QStringLiteral("B1")).setBoolean(false);
    parameters.field(QStringLiteral("ACYKL")).setInteger(0);
    setText(parameters, "ADATA", todayText());
    parameters.post();
}

void writeFirm(Cursor &firm, const NewDataRoot &request)
{
    firm.append();
    setText(firm, "DR", request.dataRoot);
    setText(firm, "SKROT", request.firmName);
    setText(firm, "NAZWA1", request.firmName);
    setText(firm, "RP", QStringLiteral("F"));
    setText(firm, "KRAJ", QStringLiteral("POLSKA"));
    if (request.demo) {
        // Enough of a taxpayer for the structured book to be made from the demo at once.
        setText(firm, "NIP", QStringLiteral("526-104-08-28"));
        setText(firm, "NAZWISKO", QStringLiteral("Demonstracyjny"));
        setText(firm, "IMIE", QStringLiteral("Jan"));
        setText(firm, "DATAUR", QStringLiteral("15-05-1980"));
        setText(firm, "URZAD", QStringLiteral("1433 Urząd Skarbowy Warszawa-Mokotów"));
        for (const auto &[field, value] : DemoFirmSeat())
            firm.field(field).setAsString(value);
    }
    firm.post();
}

void writeSums(Cursor &sums)
{
    for (int month = 1; month <= 12; ++month) {
        const QString code = QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
        for (bool cumulative : {false, true}) {
            sums.append();
            setText(sums, "KOD", cumulative ? QLatin1Char('N') + code : code);
            setText(sums, "NAZWA", (cumulative ? QStringLiteral("Narastająco ") : QString())
                                       + monthNames().at(month - 1));
            sums.post();
        }
    }
}

void writeUser(Cursor &users, const QString &name)
{
    users.append();
    users.field(QStringLiteral("KOD")).setInteger(1);
    setText(users, "NAZWISKO", name);
    users.post();
}

void writeDescriptions(Cursor &descriptions)
{
    for (const char *text :
         {"Sprzedaż towarów", "Sprzedaż usług", "Zakup towarów handlowych", "Zakup materiałów",
          "Koszty transportu", "Wynagrodzenia", "Czynsz", "Energia elektryczna",
          "Usługi telekomunikacyjne", "Materiały biurowe", "Opłaty bankowe",
          "Składki ZUS", "Paliwo", "Usługi księgowe"}) {
        descriptions.append();
        setText(descriptions, "NAZWA", QString::fromUtf8(text));
        descriptions.post();
    }
}

struct Constant {
    int code;
    const char *name;
    const char *unit;
    const char *value;
};

// The progressive scale and the flat rate in force today; contribution amounts are the
// user's to fill in.
void writeConstants(Cursor &constants)
{
    static const Constant rows[] = {
        {1, "Składka emerytalna", "zł", nullptr},
        {2, "Składka rentowa", "zł", nullptr},
        {3, "Składka chorobowa", "zł", nullptr},
        {4, "Składka wypadkowa", "zł", nullptr},
        {5, "Składka na Fundusz Pracy", "zł", nullptr},
        {6, "Składka na FS", "zł", nullptr},
        {7, "Inne składki społeczne", "zł", nullptr},
        {8, "Stawka podatku I", "%", "12"},
        {9, "Stawka podatku II", "%", "32"},
        {10, "Stawka podatku III", "%", "32"},
        {11, "Próg podatkowy", "zł", "120000"},
        {12, "Składka zdrowotna", "zł", nullptr},
        {15, "Kwota zmniejszająca", "zł", "3600"},
        {25, "Stawka podatku liniowego", "%", "19"},
    };
    for (const Constant &row : rows) {
        constants.append();
        constants.field(QStringLiteral("KOD")).setInteger(row.code);
        setText(constants, "NAZWA", QString::fromUtf8(row.name));
        setText(constants, "JM", QString::fromUtf8(row.unit));
        setText(constants, "WARTOSC", row.value ? QString::fromLatin1(row.value) : QStringLiteral("0"));
        setText(constants, "KWOTAMIN", QStringLiteral("0"));
        setText(constants, "DATA", todayText());
        constants.post();
    }
}

QString rootOf(const NewDataRoot &request)
{
    return request.dataRoot.isEmpty() ? QString() : withTrailingSlash(request.dataRoot);
}

} // namespace

QStringList newDataRootTables(const NewDataRoot &request)
{
    QStringList paths;
    for (const PlannedTable &table : plannedTables(rootOf(request), request.year))
        paths << table.path;
    return paths;
}

void refuseExistingTables(const QStringList &tables)
{
    for (const QString &table : tables)
        if (tableExists(table))
            throw DbError(QStringLiteral("Tabela już istnieje: %1.DB\rNowy katalog danych nie "
                                         "został założony: istniejące dane pozostały bez zmian.")
                              .arg(table));
}

void createDataRoot(const NewDataRoot &request)
{
    const QString root = rootOf(request);
    const QList<PlannedTable> tables = plannedTables(root, request.year);
    // The parameter table belongs to the program, not to a firm: a second firm's data root
    // started from the same directory shares it.
    const bool parametersExist = tableExists(tables[0].path);
    refuseExistingTables(newDataRootTables(request).mid(1));
    const QString year = root + request.year + QLatin1Char('/');
    for (const char *folder : {"KSIEGA", "FIN", "DRUKI", "PLACE"})
        if (!QDir().mkpath(year + QString::fromLatin1(folder)))
            throw DbError(QStringLiteral("Nie można utworzyć katalogu %1%2.")
                              .arg(year, QString::fromLatin1(folder)));
    for (const PlannedTable &table : tables.mid(parametersExist ? 1 : 0))
        createTable(table.path, table.layout);

    if (!parametersExist)
        fillTable(tables[0].path, writeParameters);
    fillTable(tables[1].path, [&](Cursor &firm) { writeFirm(firm, request); });
    fillTable(tables[3].path, writeSums);
    fillTable(tables[4].path, [&](Cursor &users) { writeUser(users, request.operatorName); });
    fillTable(tables[5].path, writeDescriptions);
    fillTable(tables[9].path, writeConstants);
    if (request.demo)
        fillTable(tables[6].path, writeDemoContractors);
    if (request.demo && request.demoEntries)
        fillTable(tables[2].path, [&](Cursor &ledger) {
            writeDemoEntries(ledger, request.year, request.operatorName);
        });
}
