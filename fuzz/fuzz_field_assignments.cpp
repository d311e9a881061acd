// "POLE=WARTOŚĆ" words of the command line, one a line, assigned to a record of a table that
// has a field of every type a value can be typed into. A word is taken or refused with a
// message, never anything else; and a value taken, shown as the program shows it and typed
// again, is stored exactly as before — an amount, a date or a truth value never drifts — and
// stored text is text the table file (UTF-8) can hold.

#include "fuzz_support.h"

#include "cli/field_assignments.h"
#include "platform/cursor.h"
#include "platform/session.h"
#include "platform/table_files.h"

#include <QTemporaryDir>

namespace {

TableDef everyTypedField()
{
    TableDef definition;
    definition.fields = {
        {"AUTO", FieldType::AutoInc, 0, false},   {"NAZWA", FieldType::Text, 12, false},
        {"MALA", FieldType::SmallInt, 0, false},  {"LICZBA", FieldType::Integer, 0, false},
        {"SLOWO", FieldType::Word, 0, false},     {"DUZA", FieldType::LargeInt, 0, false},
        {"ZNAK", FieldType::Logical, 0, false},   {"UDZIAL", FieldType::Float, 0, false},
        {"KWOTA", FieldType::Currency, 0, false}, {"BCD", FieldType::Bcd, 0, false},
        {"DATA", FieldType::Date, 0, false},      {"GODZ", FieldType::Time, 0, false},
        {"UWAGI", FieldType::Memo, 0, false},     {"BAJTY", FieldType::Bytes, 0, false},
    };
    definition.indexes = {{QString(), {"AUTO"}, true, true, false, false}};
    return definition;
}

// One table for the whole run, opened once: each input only edits its record buffer.
Cursor &record()
{
    static QTemporaryDir folder;
    static Session session;
    static Cursor *cursor = [] {
        const QString path = folder.path() + QStringLiteral("/POLA");
        createTable(path, everyTypedField());
        auto *table = new Cursor(session, QStringLiteral("TPOLA"));
        table->setTableName(path);
        table->open();
        return table;
    }();
    return *cursor;
}

bool sameStored(const QVariant &a, const QVariant &b)
{
    return a.isValid() == b.isValid() && a.typeId() == b.typeId() && a == b;
}

QString shown(const QVariant &stored)
{
    return stored.isValid() ? QStringLiteral("%1 (%2)").arg(stored.toString(), stored.typeName())
                            : QStringLiteral("puste");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A longer command line only repeats what shorter ones try, at a fraction of the speed.
    if (size > 512)
        return 0;
    Cursor &table = record();
    const QStringList words = fuzzText(data, size).split(QLatin1Char('\n'));
    QString error;
    const auto assignments = parseAssignments(words, fieldOfTable(table), error);
    if (!assignments) {
        FUZZ_EXPECT(!error.isEmpty(), words.join(QLatin1Char('|')));
        return 0;
    }
    table.append();
    for (const FieldAssignment &assignment : *assignments) {
        try {
            applyAssignments(table, {assignment});
        } catch (const DbError &refused) {
            FUZZ_EXPECT(!refused.message().isEmpty(), assignment.first + '=' + assignment.second);
            continue;
        }
        Field field = table.field(assignment.first);
        const QVariant stored = field.storedValue();
        if (stored.typeId() == QMetaType::QString) {
            const QString text = stored.toString();
            FUZZ_EXPECT(QString::fromUtf8(text.toUtf8()) == text,
                        QStringLiteral("%1=%2 stored '%3', which the table file cannot hold")
                            .arg(assignment.first, assignment.second, text));
        }
        const QString text = field.asString();
        field.setAsString(text);
        FUZZ_EXPECT(sameStored(field.storedValue(), stored),
                    QStringLiteral("%1=%2 stored %3, shown as '%4', typed again stored %5")
                        .arg(assignment.first, assignment.second, shown(stored), text,
                             shown(field.storedValue())));
    }
    table.cancel();
    return 0;
}
