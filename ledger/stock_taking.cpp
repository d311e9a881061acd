#include "ledger/stock_taking.h"

#include "core/layout_fields.h"
#include "platform/cursor.h"
#include "platform/db_error.h"
#include "platform/prompter.h"
#include "platform/session.h"
#include "platform/table_files.h"

#include <QDate>

namespace {

const QString Date = QStringLiteral("DATA");
const QString Value = QStringLiteral("WARTOSC");
const QString Description = QStringLiteral("OPIS");

TableDef stockTakingLayout()
{
    TableDef layout;
    layout.fields = {textField(Date, 10), typedField(Value, FieldType::Currency),
                     textField(Description, 50)};
    layout.indexes = {primaryIndexOn(Date)};
    return layout;
}

void openTable(Cursor &table, const QString &yearDirectory)
{
    table.setTableName(StockTakingTable(yearDirectory) + QStringLiteral(".DB"));
    table.open();
}

QString dayText(const QString &date)
{
    return QDate::fromString(date, QStringLiteral("yyyy.MM.dd")).toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace

QString StockTakingTable(const QString &yearDirectory)
{
    return yearDirectory + QStringLiteral("KSIEGA/SPIS");
}

QList<StockTaking> ReadStockTakings(const QString &yearDirectory)
{
    QList<StockTaking> stockTakings;
    if (!tableExists(StockTakingTable(yearDirectory)))
        return stockTakings;
    Session session;
    Cursor table(session, QStringLiteral("TSPIS"));
    openTable(table, yearDirectory);
    for (table.first(); !table.eof(); table.next())
        stockTakings << StockTaking{table.field(Date).asString(), table.field(Value).asCurrency(),
                                    table.field(Description).asString()};
    return stockTakings;
}

std::optional<StockTaking> TypedStockTaking(const QString &date, const QString &value,
                                            const QString &description, QString &error)
{
    const QString day = date.trimmed();
    if (!QDate::fromString(day, QStringLiteral("yyyy.MM.dd")).isValid()) {
        error = QStringLiteral("Błędna data spisu z natury: %1 (RRRR.MM.DD).").arg(date);
        return std::nullopt;
    }
    const std::optional<Money> amount = Money::parse(value.trimmed());
    if (!amount) {
        error = QStringLiteral("Błędna wartość spisu z natury: %1.").arg(value);
        return std::nullopt;
    }
    if (*amount < Money()) {
        error = QStringLiteral("Wartość spisu z natury nie może być ujemna.");
        return std::nullopt;
    }
    return StockTaking{day, *amount, description.trimmed()};
}

bool AddStockTaking(const QString &yearDirectory, const StockTaking &stockTaking,
                    Prompter &prompter)
{
    try {
        if (!tableExists(StockTakingTable(yearDirectory)))
            createTable(StockTakingTable(yearDirectory), stockTakingLayout());
        Session session;
        Cursor table(session, QStringLiteral("TSPIS"));
        openTable(table, yearDirectory);
        if (table.findKey({stockTaking.date})) {
            prompter.error(QStringLiteral("Spis z natury z dnia %1 jest już zapisany.")
                               .arg(dayText(stockTaking.date)));
            return false;
        }
        table.append();
        table.field(Date).setAsString(stockTaking.date);
        table.field(Value).setCurrency(stockTaking.value);
        table.field(Description).setAsString(stockTaking.description);
        table.post();
        return true;
    } catch (const DbError &error) {
        prompter.error(QStringLiteral("Spis z natury nie został zapisany.\r") + error.message());
        return false;
    }
}

bool DeleteStockTaking(const QString &yearDirectory, const QString &date, Prompter &prompter)
{
    const QString missing =
        QStringLiteral("Brak spisu z natury z dnia %1.").arg(date.trimmed());
    try {
        if (!tableExists(StockTakingTable(yearDirectory))) {
            prompter.error(missing);
            return false;
        }
        Session session;
        Cursor table(session, QStringLiteral("TSPIS"));
        openTable(table, yearDirectory);
        if (!table.findKey({date.trimmed()})) {
            prompter.error(missing);
            return false;
        }
        table.remove();
        return true;
    } catch (const DbError &error) {
        prompter.error(QStringLiteral("Spis z natury nie został usunięty.\r") + error.message());
        return false;
    }
}
