#include "jpk/book_entries.h"

#include "platform/cursor.h"
#include "platform/session.h"

#include <QStringList>

namespace {

QString joined(const QStringList &parts, const QString &separator)
{
    QStringList given;
    for (const QString &part : parts)
        if (!part.trimmed().isEmpty())
            given << part.trimmed();
    return given.join(separator);
}

} // namespace

void ForEachBookEntry(const QString &yearDirectory, int fromMonth, int toMonth,
                      const std::function<void(const BookEntry &)> &visit)
{
    Session session;
    Cursor book(session, QStringLiteral("TJPK"));
    book.setTableName(yearDirectory + QStringLiteral("KSIEGA/KSIEGA.DB"));
    book.open();
    book.setIndexFieldNames(QStringLiteral("LP"));
    // Handles looked up once: the walk visits every entry of the year.
    const auto text = [&book](const char *name) {
        const int index = book.fieldIndex(QString::fromLatin1(name));
        return index < 0 ? std::optional<Field>() : std::optional<Field>(book.field(index));
    };
    const auto value = [](const std::optional<Field> &field) {
        return field ? field->asString() : QString();
    };
    const auto amount = [](const std::optional<Field> &field) {
        return field ? field->asCurrency() : Money();
    };
    const auto month = text("MC"), number = text("LP"), date = text("DATA"),
               document = text("NRKSIEG"), ksef = text("KSEF"), nip = text("NIP"),
               name1 = text("NAZ1"), name2 = text("NAZ2"), code = text("KOD"),
               town = text("MIEJSC"), street = text("UL"), description1 = text("OPIS1"),
               description2 = text("OPIS2"), remarks = text("UWAGI"), k7 = text("K7"),
               k8 = text("K8"), k10 = text("K10"), k11 = text("K11"), k12 = text("K12"),
               k13 = text("K13"), k16 = text("K16"), k17 = text("K17");
    book.scan([&](Cursor &) {
        bool known = false;
        const int entryMonth = value(month).toInt(&known);
        if (!known || entryMonth < fromMonth || entryMonth > toMonth)
            return;
        BookEntry entry;
        entry.number = number ? number->asInteger() : 0;
        entry.date = value(date);
        entry.document = value(document).trimmed();
        entry.ksef = value(ksef).trimmed();
        entry.nip = value(nip);
        entry.name = joined({value(name1), value(name2)}, QStringLiteral(" "));
        entry.address = joined({joined({value(code), value(town)}, QStringLiteral(" ")), value(street)},
                               QStringLiteral(", "));
        entry.description = joined({value(description1), value(description2)}, QStringLiteral(" "));
        entry.remarks = value(remarks).simplified();
        entry.k7 = amount(k7);
        entry.k8 = amount(k8);
        entry.k10 = amount(k10);
        entry.k11 = amount(k11);
        entry.k12 = amount(k12);
        entry.k13 = amount(k13);
        entry.k16 = amount(k16);
        entry.k17 = amount(k17);
        visit(entry);
    });
}
