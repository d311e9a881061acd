#include "imports/demo_companion_tables.h"

#include "core/demo_data.h"
#include "core/ksef_number.h"
#include "core/number_format.h"
#include "platform/money.h"
#include "platform/sqlite_db.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace {

// The demo firm's own tax number, which its sales invoices carry as the seller's.
const QString FirmTaxNumber = QStringLiteral("5261040828");

struct DemoPosition {
    int column;
    const char *name;
    qint64 netGrosze;
    const char *declarationCode;
};

struct DemoInvoice {
    const char *registerCode;
    int contractor; // index into DemoContractors()
    QList<DemoPosition> positions;
};

// One month of the firm's invoices: sales to its customers (one of them across two ledger
// columns), purchases booked net, and car costs whose VAT is deducted in part or not at all.
const QList<DemoInvoice> &monthInvoices()
{
    static const QList<DemoInvoice> invoices = {
        {"SB", 1, {{7, "Bukiety okolicznościowe", 125000, ""}}},
        {"SB", 5, {{7, "Kosze prezentowe", 64020, ""}, {7, "Opakowania ozdobne", 8550, ""}}},
        {"SB", 1, {{7, "Dekoracja sali", 61500, ""}}},
        {"SB", 5, {{7, "Kwiaty cięte", 214010, ""}, {8, "Refaktura transportu", 12000, ""}}},
        {"SB", 1, {{7, "Wiązanki", 89040, ""}}},
        {"SB", 3, {{8, "Wynajem witryny", 50000, ""}}},
        {"DK", 0, {{10, "Towary handlowe", 348050, ""}}},
        {"DK", 2, {{11, "Transport towarów", 42000, ""}}},
        {"DK", 4, {{13, "Energia elektryczna", 18723, ""}}},
        {"DK", 3, {{13, "Usługi księgowe", 36900, ""}}},
        {"CS", 2, {{13, "Paliwo do samochodu", 24390, "VPN5"}}},
        {"CS", 4, {{13, "Telefon – abonament", 8130, "VPN0"}}},
        {"CS", 0, {{13, "Materiały biurowe", 12195, "VXP1"}}},
    };
    return invoices;
}

// Where each companion program keeps its table (paths without ".DB").
struct CompanionTables {
    QString registers, invoiceHeaders, invoicePositions, vehicles, vehicleCosts, assetSettings,
        assetSums;
};

CompanionTables companionTables(const QString &dataRoot, const QString &year)
{
    const QString folder = dataRoot + year + QLatin1Char('/');
    return {folder + QStringLiteral("FIN/RD"),   folder + QStringLiteral("FIN/NAGFAKS"),
            folder + QStringLiteral("FIN/POZFAKS"), folder + QStringLiteral("AUTO/AUTO"),
            folder + QStringLiteral("AUTO/SUMA"), dataRoot + QStringLiteral("ST"),
            folder + QStringLiteral("ST/SUMA")};
}

QString file(const QString &table)
{
    return table + QStringLiteral(".DB");
}

void run(Connection &file, const QString &sql, const QVariantList &values)
{
    Statement statement(file.handle(), sql);
    statement.bindAll(values);
    statement.run();
}

qint64 units(qint64 grosze)
{
    return Money::fromGrosze(grosze).units();
}

// Amounts change a little from month to month, as a real firm's do.
qint64 monthAmount(qint64 grosze, int month)
{
    return grosze + grosze * (month % 5) / 20;
}

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

// A KSeF number of a real form: the seller's tax number, the day, twelve hexadecimal signs
// of the invoice and the check digits.
QString ksefNumber(const QString &sellerTaxNumber, const QString &date, const QString &invoice)
{
    const QString hex = QString::fromLatin1(
        QCryptographicHash::hash(invoice.toUtf8(), QCryptographicHash::Sha1).toHex().left(12).toUpper());
    const QString body = sellerTaxNumber + QLatin1Char('-') + QString(date).remove(QLatin1Char('.'))
                         + QLatin1Char('-') + hex;
    return body + QLatin1Char('-') + KsefCheckDigits(body);
}

void writeRegisters(const QString &table)
{
    Connection registers(file(table), Connection::Mode::Create);
    registers.exec(QStringLiteral("CREATE TABLE RD (RD TEXT, NAZWA TEXT, L1 BOOLEAN, Wzor TEXT)"));
    const QString insert = QStringLiteral("INSERT INTO RD VALUES (?, ?, ?, ?)");
    run(registers, insert, {QStringLiteral("SB"), QStringLiteral("Sprzedaż – faktury VAT"), 1,
                       QStringLiteral("FV/[NRD]/[mc]/[ROK]")});
    run(registers, insert, {QStringLiteral("DK"), QStringLiteral("Zakupy – faktury VAT"), 1, QString()});
    run(registers, insert, {QStringLiteral("CS"), QStringLiteral("Zakupy – odliczenie częściowe"), 1,
                       QString()});
    run(registers, insert, {QStringLiteral("PR"), QStringLiteral("Pro forma"), 0, QStringLiteral("PF/[NRD]")});
}

void writeInvoices(const CompanionTables &tables, const QString &year)
{
    Connection headers(file(tables.invoiceHeaders), Connection::Mode::Create);
    headers.exec(QStringLiteral(
        "CREATE TABLE NAGFAKS (RD TEXT, ROK TEXT, NRD INTEGER, AUTO INTEGER, DATA TEXT, "
        "KWOTA CURRENCY INTEGER, NETTO CURRENCY INTEGER, ZBANK TEXT, NRK TEXT, ONAZ1 TEXT, "
        "ONAZ2 TEXT, OKOD TEXT, OMIEJSC TEXT, OUL TEXT, ONIP TEXT, DATAS TEXT, "
        "VAT CURRENCY INTEGER, MC TEXT, L1 CURRENCY INTEGER, KSEF TEXT)"));
    Connection positions(file(tables.invoicePositions), Connection::Mode::Create);
    positions.exec(QStringLiteral(
        "CREATE TABLE POZFAKS (RD TEXT, ROK TEXT, MC TEXT, NRD INTEGER, AUTO INTEGER, "
        "KKONTO TEXT, NAZWA TEXT, WNETTO REAL, VAT REAL, WBRUTTO REAL, DEK TEXT)"));
    headers.begin();
    positions.begin();
    const bool ksefYear = year.toInt() >= 2026;
    QHash<QString, int> numbers;
    for (int month = 1; month <= 12; ++month) {
        const QString mm = twoDigits(month);
        int day = 2;
        for (const DemoInvoice &invoice : monthInvoices()) {
            const QString code = QString::fromLatin1(invoice.registerCode);
            const int number = ++numbers[code];
            const DemoContractor &contractor = DemoContractors().at(invoice.contractor);
            const QString date = QStringLiteral("%1.%2.%3").arg(year, mm, twoDigits(day));
            day += 2;
            qint64 net = 0;
            qint64 vat = 0;
            for (const DemoPosition &position : invoice.positions) {
                const qint64 positionNet = monthAmount(position.netGrosze, month);
                const qint64 positionVat = (positionNet * 23 + 50) / 100;
                net += positionNet;
                vat += positionVat;
                run(positions, QStringLiteral("INSERT INTO POZFAKS VALUES (?,?,?,?,0,?,?,?,?,?,?)"),
                    {code, year, mm, number, QStringLiteral("KOL%1").arg(position.column),
                     QString::fromUtf8(position.name), positionNet / 100.0, positionVat / 100.0,
                     (positionNet + positionVat) / 100.0, QString::fromLatin1(position.declarationCode)});
            }
            const bool sale = code.startsWith(QLatin1Char('S'));
            const QString seller = sale ? FirmTaxNumber : RemoveSpaces(QString::fromLatin1(contractor.nip)).remove(QLatin1Char('-'));
            const QString supplierNumber = sale ? QString() : QStringLiteral("F/%1/%2/%3").arg(number).arg(mm, year);
            run(headers,
                QStringLiteral("INSERT INTO NAGFAKS VALUES (?,?,?,0,?,?,?,?,?,?,?,?,?,?,?,?,?,?,0,?)"),
                {code, year, number, date, units(net + vat), units(net), supplierNumber,
                 QStringLiteral("%1").arg(contractor.number, 5, 10, QLatin1Char('0')),
                 QString::fromUtf8(contractor.name), QString(), QString::fromUtf8(contractor.postalCode),
                 QString::fromUtf8(contractor.town), QString::fromUtf8(contractor.street),
                 QString::fromLatin1(contractor.nip), date, units(vat), mm,
                 ksefYear ? ksefNumber(seller, date, code + QString::number(number)) : QString()});
        }
    }
    positions.commit();
    headers.commit();
}

void writeVehicles(const CompanionTables &tables)
{
    Connection vehicles(file(tables.vehicles), Connection::Mode::Create);
    vehicles.exec(QStringLiteral("CREATE TABLE AUTO (NR INTEGER PRIMARY KEY, PNR TEXT, NAZ1 TEXT, "
                                 "NAZ2 TEXT, KOD TEXT, MIEJSC TEXT, UL TEXT)"));
    run(vehicles, QStringLiteral("INSERT INTO AUTO VALUES (1, 'WA 12345', ?, 'Skoda Octavia', "
                                 "'02-758', 'WARSZAWA', ?)"),
        {QStringLiteral("Jan Demonstracyjny"), QStringLiteral("ul. Łączności 4")});
    run(vehicles, QStringLiteral("INSERT INTO AUTO VALUES (2, 'WA 7G210', ?, 'Toyota Yaris', "
                                 "'02-758', 'WARSZAWA', ?)"),
        {QStringLiteral("Jan Demonstracyjny"), QStringLiteral("ul. Łączności 4")});

    Connection costs(file(tables.vehicleCosts), Connection::Mode::Create);
    costs.exec(QStringLiteral("CREATE TABLE SUMA (MC TEXT, GAUTO INTEGER, UP CURRENCY INTEGER)"));
    costs.begin();
    for (int month = 1; month <= 12; ++month)
        for (const auto &[vehicle, grosze] : {std::pair{1, 41230}, std::pair{2, 18775}})
            run(costs, QStringLiteral("INSERT INTO SUMA VALUES (?, ?, ?)"),
                {twoDigits(month), vehicle, units(monthAmount(grosze, month))});
    costs.commit();
}

void writeFixedAssets(const CompanionTables &tables, int unpostedMonth)
{
    Connection settings(file(tables.assetSettings), Connection::Mode::Create);
    settings.exec(QStringLiteral("CREATE TABLE ST (B1 TEXT)"));
    settings.exec(QStringLiteral("INSERT INTO ST VALUES ('True')"));

    Connection sums(file(tables.assetSums), Connection::Mode::Create);
    sums.exec(QStringLiteral("CREATE TABLE SUMA (MC TEXT, OZN TEXT, POLE4 CURRENCY INTEGER)"));
    sums.begin();
    for (int month = 1; month <= 12; ++month)
        run(sums, QStringLiteral("INSERT INTO SUMA VALUES (?, ?, ?)"),
            {twoDigits(month), month == unpostedMonth ? QStringLiteral("0") : QStringLiteral("1"),
             units(125000)});
    sums.commit();
}

void makeFolder(const QString &folder)
{
    if (!QDir().mkpath(folder))
        throw DbError(QStringLiteral("Nie można utworzyć katalogu %1.").arg(folder));
}

} // namespace

QStringList DemoCompanionTables(const QString &dataRoot, const QString &year)
{
    const CompanionTables tables = companionTables(dataRoot, year);
    return {tables.registers,  tables.invoiceHeaders, tables.invoicePositions, tables.vehicles,
            tables.vehicleCosts, tables.assetSettings, tables.assetSums};
}

void WriteDemoCompanionTables(const QString &dataRoot, const QString &year, int unpostedAssetsMonth)
{
    const CompanionTables tables = companionTables(dataRoot, year);
    for (const QString &table : {tables.registers, tables.vehicles, tables.assetSums})
        makeFolder(QFileInfo(table).path());
    writeRegisters(tables.registers);
    writeInvoices(tables, year);
    writeVehicles(tables);
    writeFixedAssets(tables, unpostedAssetsMonth);
}
