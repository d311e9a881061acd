#include "core/table_upgrades.h"

#include "core/whole_table_view.h"
#include "platform/cursor.h"
#include "platform/prompter.h"
#include "platform/session.h"
#include "platform/table_files.h"

#include <QFileInfo>

namespace {

void copyFields(Cursor &source, Cursor &target, const QStringList &cleared)
{
    for (const FieldDef &field : source.fieldDefs()) {
        if (cleared.contains(field.name, Qt::CaseInsensitive))
            continue;
        target.field(field.name).setStoredValue(source.field(field.name).storedValue());
    }
}

// Appends the source's current record; a record whose key is already there updates it.
void appendRecord(Cursor &source, Cursor &target, const QStringList &cleared)
{
    target.append();
    copyFields(source, target, cleared);
    try {
        target.post();
        return;
    } catch (const DbError &error) {
        target.cancel();
        const IndexDef *primary = target.definition().primaryIndex();
        if (!error.isKeyViolation() || !primary)
            throw;
        QVariantList key;
        for (const QString &name : primary->fields)
            key << source.field(name).storedValue();
        target.setIndexName(QString());
        if (!target.findKey(key))
            throw;
    }
    target.edit();
    for (const FieldDef &field : source.fieldDefs())
        if (field.type != FieldType::AutoInc && !cleared.contains(field.name, Qt::CaseInsensitive))
            target.field(field.name).setStoredValue(source.field(field.name).storedValue());
    target.post();
}

} // namespace

bool CopyTableStructure(Cursor &source, const QString &target, bool copy,
                        const QString &clearList, bool zeroOnly, Prompter &prompter)
{
    if (QFileInfo::exists(target))
        return false;
    TableDef definition = source.definition();
    for (FieldDef &field : definition.fields)
        field.required = false;
    try {
        createTable(target, definition);
    } catch (const DbError &) {
        prompter.ask(MessageIcon::Error, QStringLiteral("Nie mozna utworzyć tabeli"),
                     MessageButtons::Ok, QStringLiteral("Błąd"));
        return false;
    }
    if (!copy && !zeroOnly)
        return true;

    bool result = true;
    const QStringList cleared = copy ? splitFieldList(clearList) : QStringList();
    const WholeTableView view(source);
    Session session;
    Cursor copyTarget(session, QStringLiteral("TKOPIA"));
    try {
        copyTarget.setTableName(target);
        copyTarget.open();
        copyTarget.beginTransaction();
        const IndexDef *primary = source.definition().primaryIndex();
        if (!copy && primary)
            source.setRange({QStringLiteral("0")}, {QStringLiteral("0")});
        if (copy || primary)
            for (source.first(); !source.eof(); source.next())
                appendRecord(source, copyTarget, cleared);
        copyTarget.commit();
    } catch (const DbError &) {
        result = false;
        // What was copied before the failure stays, as the table would hold it without a
        // transaction.
        try {
            if (copyTarget.isEditing())
                copyTarget.cancel();
            if (copyTarget.inTransaction())
                copyTarget.commit();
        } catch (const DbError &) {
        }
    }
    return result;
}
