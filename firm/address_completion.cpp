#include "firm/address_completion.h"

#include "core/table_access.h"
#include "platform/cursor.h"

namespace {

void fillWhenEmpty(Cursor &firm, const QString &target, const QString &value)
{
    Field field = firm.field(target);
    if (field.asString().isEmpty())
        field.setAsString(value);
}

} // namespace

const QStringList &SeatAddressFields()
{
    static const QStringList fields = {
        QStringLiteral("ULICA"),  QStringLiteral("NUMER"),       QStringLiteral("LOKAL"),
        QStringLiteral("KOD"),    QStringLiteral("POCZTA"),      QStringLiteral("WOJEWODZTWO"),
        QStringLiteral("KRAJ"),   QStringLiteral("POWIAT"),      QStringLiteral("GMINA"),
        QStringLiteral("MIEJSCOWOSC")};
    return fields;
}

bool IsSeatAddressField(const QString &fieldName)
{
    return SeatAddressFields().contains(fieldName.toUpper());
}

void CompleteAddress(Cursor &firm, const QString &seatField)
{
    const QString name = seatField.toUpper();
    if (!IsSeatAddressField(name))
        return;
    EnsureEditing(firm);
    const QString value = firm.field(name).asString();
    fillWhenEmpty(firm, QLatin1Char('Z') + name, value);
    if (name != QLatin1String("POCZTA"))
        return;
    for (const char *target : {"POWIAT", "GMINA", "MIEJSCOWOSC", "ZPOWIAT", "ZGMINA", "ZMIEJSCOWOSC"})
        fillWhenEmpty(firm, QString::fromLatin1(target), value);
}
