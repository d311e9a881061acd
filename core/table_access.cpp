#include "core/table_access.h"

#include "core/structure_file.h"
#include "core/table_upgrades.h"
#include "core/working_environment.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/sqlite_db.h"
#include "platform/table_files.h"

#include <QFileInfo>

namespace {

QString openErrorText(const QString &displayName, const QString &basePath)
{
    return QStringLiteral("Błąd otwarcia bazy : ") + displayName + QStringLiteral("\r")
           + QStringLiteral("Baza : ") + basePath + QStringLiteral(".DB") + QStringLiteral("\r")
           + QStringLiteral("Użyj polecenia Narzędzia/Naprawa indeksów.") + QStringLiteral("\r")
           + QStringLiteral("Jeżeli bład się powtórzy odtwórz dane z ARCHIWUM");
}

void offerToClearReadOnly(Cursor &cursor, const QString &basePath, Prompter &prompter)
{
    const QString file = cursor.tablePath();
    const QString question = QStringLiteral("Uwaga baza: ") + QFileInfo(file).fileName()
                             + QStringLiteral("\r") + QStringLiteral("jest w trybie Tylko Do Odczytu")
                             + QStringLiteral("\r") + QStringLiteral("Czy zmienić automatycznie atrybut Bazy?");
    if (!prompter.confirm(question))
        return;
    cursor.close();
    const QFileInfo base(file);
    for (const QString &member : tableFamily(base.path() + QLatin1Char('/') + base.completeBaseName())) {
        if (isReadOnlyFile(member) && !clearReadOnly(member))
            prompter.error(QStringLiteral("Próba automatycznej zmiany atrybutu niepowiodła się.\r"
                                          "Proszę atrybuty bazy zmienic ręcznie."));
    }
    cursor.setTableName(basePath + QStringLiteral(".DB"));
    cursor.open();
}

void writeStructureFileOnce(const Cursor &cursor)
{
    const QFileInfo table(cursor.tablePath());
    const QString structure = table.path() + QLatin1Char('/') + table.completeBaseName()
                              + QStringLiteral(".STR");
    if (fileExistsCaseInsensitive(structure))
        return;
    // A second look at the table, as the file sees it, not as this cursor was set up.
    TableDef definition;
    try {
        definition = readTableDefinition(cursor.tablePath());
    } catch (const DbError &) {
        return;
    }
    writeStructureFile(structure, definition);
}

// ".../KSIEGA/KSIEGA" is a year's book; "KSIEGA" alone is the parameter table.
bool isLedgerTable(const QString &basePath)
{
    const QFileInfo table(basePath);
    return table.fileName().compare(QLatin1String("KSIEGA"), Qt::CaseInsensitive) == 0
           && QFileInfo(table.path()).fileName().compare(QLatin1String("KSIEGA"),
                                                         Qt::CaseInsensitive)
                  == 0;
}

} // namespace

bool OpenTableChecked(Cursor &cursor, const QString &basePath, const QString &displayName,
                      WorkingEnvironment &environment, Prompter &prompter)
{
    if (!displayName.isEmpty() && environment.openedTables.size() < OpenedTableListLimit)
        environment.openedTables << basePath;
    cursor.close();
    cursor.setTableName(basePath + QStringLiteral(".DB"));
    try {
        cursor.open();
        if (cursor.isReadOnly())
            offerToClearReadOnly(cursor, basePath, prompter);
    } catch (const DbError &failure) {
        // A held table is whole: the advice for a damaged one would have the user repair
        // indexes or restore an archive and lose what was written since.
        if (failure.isBusy()) {
            prompter.error(failure.message());
            environment.abort = true;
        } else if (!displayName.isEmpty()) {
            prompter.inform(openErrorText(displayName, basePath));
            environment.unopenedTables << basePath + QStringLiteral(".DB");
        }
        return false;
    }
    if (basePath.right(5).compare(QLatin1String("FIRMA"), Qt::CaseInsensitive) == 0) {
        try {
            UpgradeFirmTable(cursor);
        } catch (const DbError &) {
            // An old firm table that cannot be upgraded stays as it is.
        }
    }
    if (isLedgerTable(basePath)) {
        try {
            UpgradeLedgerTable(cursor);
        } catch (const DbError &) {
            if (!displayName.isEmpty())
                prompter.inform(openErrorText(displayName, basePath));
            return false;
        }
    }
    if (!displayName.isEmpty())
        writeStructureFileOnce(cursor);
    return true;
}

bool SaveTable(Cursor &cursor, Prompter &prompter)
{
    if (!cursor.isOpen() || !cursor.isEditing())
        return true;
    try {
        cursor.post();
    } catch (const DbError &failure) {
        cursor.cancel();
        prompter.error(WriteFailureMessage(failure));
        return false;
    }
    return true;
}

QString WriteFailureMessage(const DbError &failure)
{
    return failure.isBusy() ? failure.message() : QStringLiteral("Błąd zapisu");
}

void SaveInRule(Cursor &cursor)
{
    if (!cursor.isOpen() || !cursor.isEditing())
        return;
    try {
        cursor.post();
    } catch (const DbError &) {
        cursor.cancel();
        throw;
    }
}

void EnsureEditing(Cursor &cursor)
{
    if (!cursor.isEditing())
        cursor.edit();
}

bool CheckDatabaseEngine()
{
    try {
        Connection probe(QStringLiteral(":memory:"), Connection::Mode::Create);
        probe.exec(QStringLiteral("CREATE TABLE probe (x TEXT COLLATE POLISH)"));
        probe.exec(QStringLiteral("SELECT count(*) FROM probe"));
        return true;
    } catch (const DbError &) {
        return false;
    }
}
