#include "core/table_upgrades.h"

#include "core/table_access.h"
#include "core/table_layouts.h"
#include "platform/clock.h"
#include "platform/cursor.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/session.h"
#include "platform/table_files.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString siblingPath(const QString &file, const QString &name)
{
    return QFileInfo(file).path() + QLatin1Char('/') + name;
}

void fillFromText(Cursor &table, const TextRecord &record)
{
    for (const FieldDef &field : table.fieldDefs()) {
        const auto value = record.constFind(field.name.toUpper());
        if (value == record.cend() || field.type == FieldType::AutoInc)
            continue;
        try {
            table.field(field.name).setAsString(value.value());
        } catch (const DbError &) {
            // A value the new field cannot take stays blank rather than stopping the rebuild.
        }
    }
}

TableDef withoutRequired(TableDef definition)
{
    for (FieldDef &field : definition.fields)
        field.required = false;
    return definition;
}

void addMissingField(TableDef &definition, const FieldDef &field)
{
    if (definition.fieldIndex(field.name) < 0)
        definition.fields << field;
}

// Builds the complete new table under `temporary`, then swaps it in for the open table.
void rebuildOpenTable(Cursor &table, const TableDef &layout, const QList<TextRecord> &records,
                      const QString &temporaryName)
{
    const QString file = table.tablePath();
    const QString temporary = siblingPath(file, temporaryName);
    deleteTable(temporary); // a leftover of an interrupted earlier attempt
    createTable(temporary, layout);
    {
        Session session;
        Cursor fresh(session, QStringLiteral("TNOWA"));
        fresh.setTableName(temporary);
        fresh.open();
        fresh.beginTransaction();
        for (const TextRecord &record : records) {
            fresh.append();
            fillFromText(fresh, record);
            fresh.post();
        }
        fresh.commit();
    }
    table.close();
    replaceTable(file, temporary);
}

// The old firm layouts kept their bank account in three pieces and stored the tax office
// and capital in spare fields; the full layout has them in fields of their own.
TextRecord firmRecordInFullLayout(const TextRecord &old)
{
    const auto get = [&](const char *name) { return old.value(QString::fromLatin1(name)); };
    TextRecord record;
    for (const FieldDef &field : firmLayout().fields) {
        const QString name = field.name.toUpper();
        if (old.contains(name))
            record.insert(name, old.value(name));
    }
    record.insert(QStringLiteral("ADRES1"), get("ZAPAS1"));
    const QString account = get("NUM1") + QLatin1Char(' ') + get("NUM2").left(4)
                            + QLatin1Char(' ') + get("NUM2").mid(4, 4) + QLatin1Char(' ')
                            + get("NUM3");
    record.insert(QStringLiteral("NUM1"), account.trimmed().isEmpty() ? QString() : account);
    for (const char *empty : {"BANK2", "BANK3", "ADRES2", "ADRES3", "NUM2", "NUM3"})
        record.insert(QString::fromLatin1(empty), QString());
    record.insert(QStringLiteral("URZAD"),
                  get("ARCHDATA").isEmpty() ? get("ZAPAS2") : get("ARCHDATA"));
    record.insert(QStringLiteral("KAPITAL"),
                  get("ARCHDNI").isEmpty() ? get("ZAPAS3") : get("ARCHDNI"));
    return record;
}

QString structureFilePath(const QString &tableFile)
{
    const QFileInfo table(tableFile);
    return resolvePath(table.path() + QLatin1Char('/') + table.completeBaseName()
                       + QStringLiteral(".STR"));
}

} // namespace

TextRecord currentRecordAsText(Cursor &cursor)
{
    TextRecord record;
    for (const FieldDef &field : cursor.fieldDefs())
        record.insert(field.name.toUpper(), cursor.field(field.name).asString());
    return record;
}

void rebuildTable(const QString &file, const TableDef &layout, const QList<TextRecord> &records)
{
    Session session;
    Cursor table(session, QStringLiteral("TPRZEBUDOWA"));
    table.setTableName(file);
    table.open(Cursor::Access::Exclusive);
    rebuildOpenTable(table, layout, records,
                     QFileInfo(file).completeBaseName() + QStringLiteral("-NOWA.DB"));
}

void UpgradeFirmTable(Cursor &firm)
{
    if (firm.fieldDefs().size() >= firmLayout().fields.size())
        return;
    QList<TextRecord> records;
    for (firm.first(); !firm.eof(); firm.next())
        records << firmRecordInFullLayout(currentRecordAsText(firm));
    const QString file = firm.tablePath();
    try {
        rebuildOpenTable(firm, firmLayout(), records,
                         QFileInfo(file).completeBaseName() + QStringLiteral("-NOWA.DB"));
        QFile::remove(structureFilePath(file));
    } catch (const DbError &) {
        // The old table stays in place and in use.
    }
    firm.setTableName(file);
    firm.open();
    firm.first();
}

void UpgradeLedgerTable(Cursor &ledger)
{
    const QString field = QStringLiteral("KSEF");
    if (ledger.hasField(field))
        return;
    const QString file = ledger.tablePath();
    const int position = ledgerLayout().fieldIndex(field);
    ledger.close();
    try {
        addField(file, ledgerLayout().fields[position]);
        // The structure file describes the old fields; the open writes it anew.
        QFile::remove(structureFilePath(file));
    } catch (const DbError &) {
        // Only the KSeF number is missing: the book is kept without it until the next open.
    }
    ledger.setTableName(file);
    ledger.open();
}

void UpgradeParameterTable(Cursor &parameters)
{
    if (parameters.hasField(QStringLiteral("ADATA")) && parameters.hasField(QStringLiteral("ACYKL")))
        return;
    const QString file = parameters.tablePath();
    TableDef layout = withoutRequired(parameters.definition());
    addMissingField(layout, {QStringLiteral("ADATA"), FieldType::Text, 10, false});
    addMissingField(layout, {QStringLiteral("ACYKL"), FieldType::Integer, 0, false});
    parameters.first();
    TextRecord record = currentRecordAsText(parameters);
    record.insert(QStringLiteral("ADATA"), todayText().left(8) + QStringLiteral("00"));
    record.insert(QStringLiteral("ACYKL"), QStringLiteral("0"));
    try {
        rebuildOpenTable(parameters, layout, {record}, QStringLiteral("TEMP.DB"));
    } catch (const DbError &) {
        // The update check is optional: an old table keeps working without it.
    }
    try {
        parameters.setTableName(file);
        parameters.open();
    } catch (const DbError &) {
    }
}

void AddParameterFields(Cursor &parameters)
{
    const QString file = parameters.tablePath();
    TableDef layout = withoutRequired(parameters.definition());
    addMissingField(layout, {QStringLiteral("US"), FieldType::Text, 50, false});
    addMissingField(layout, {QStringLiteral("ML"), FieldType::Integer, 0, false});
    addMissingField(layout, {QStringLiteral("MG"), FieldType::Integer, 0, false});
    addMissingField(layout, {QStringLiteral("ZL1"), FieldType::Logical, 0, false});
    QList<TextRecord> records;
    if (parameters.isOpen()) {
        parameters.first();
        records << currentRecordAsText(parameters);
    }
    try {
        rebuildOpenTable(parameters, layout, records, QStringLiteral("TEMP.DB"));
    } catch (const DbError &) {
    }
    try {
        parameters.setTableName(file);
        parameters.open();
    } catch (const DbError &) {
    }
}
