#include "core/table_upgrades.h"

#include "platform/cursor.h"
#include "platform/prompter.h"
#include "platform/session.h"
#include "platform/table_files.h"

#include <QFileInfo>

namespace {

// The source cursor's view (order, filter, master) is borrowed for a full walk in record
// order and given back afterwards, whatever happens in between.
class SourceView {
public:
    explicit SourceView(Cursor &source)
        : source_(source), filtered_(source.isFiltered()), indexName_(source.indexName()),
          indexFields_(source.indexFieldNames()), master_(source.master()),
          masterFields_(source.masterFields())
    {
        source_.setFiltered(false);
        source_.cancelRange();
        source_.setIndexName(QString());
        source_.setMaster(nullptr, QString());
    }
    ~SourceView()
    {
        try {
            source_.cancelRange();
            source_.setMaster(master_, masterFields_);
            if (!indexFields_.isEmpty())
                source_.setIndexFieldNames(indexFields_);
            else
                source_.setIndexName(indexName_);
            source_.setFiltered(filtered_);
        } catch (const DbError &) {
            // The copy is done; a view that cannot be restored is set again by its owner.
        }
    }
    SourceView(const SourceView &) = delete;
    SourceView &operator=(const SourceView &) = delete;

private:
    Cursor &source_;
    bool filtered_;
    QString indexName_;
    QString indexFields_;
    Cursor *master_;
    QString masterFields_;
};

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
    SourceView view(source);
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
