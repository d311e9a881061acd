#include "core/parameter_fields.h"

#include "platform/cursor.h"
#include "platform/field_values.h"

namespace {

ParameterField margin(const char *name, const char *caption)
{
    // The dialogs' boxes take two digits: a margin past 99 mm leaves no page to print on.
    return {QString::fromLatin1(name), QString::fromUtf8(caption), false, 0, 99};
}

ParameterField choice(const char *name, const char *caption)
{
    return {QString::fromLatin1(name), QString::fromUtf8(caption), true, 0, 0};
}

} // namespace

const QList<ParameterField> &ParameterFields()
{
    static const QList<ParameterField> fields = {
        margin("P2", "Margines górny w [mm] (wydruk księgi)"),
        margin("P3", "Margines lewy w [mm] (wydruk księgi)"),
        margin("ML", "Korekta marginesu przy nadruku PIT 5: lewy [mm]"),
        margin("MG", "Korekta marginesu przy nadruku PIT 5: górny [mm]"),
        choice("ZL1", "Rodzaj wydruku PIT 5: tak — wydruk (A4), nie — nadruk (A4)"),
        {QStringLiteral("L3"),
         QStringLiteral("Rodzaj importu sprzedaży: 0 — import wszystkich faktur, 1 — import "
                        "zbiorczy miesięczny"),
         false, 0, 1},
        choice("B1", "Import pozycji analitycznych, jeżeli pozycje są przypisane do różnych "
                     "kolumn księgi"),
    };
    return fields;
}

const ParameterField *FindParameterField(const QString &name)
{
    for (const ParameterField &field : ParameterFields())
        if (field.name.compare(name, Qt::CaseInsensitive) == 0)
            return &field;
    return nullptr;
}

std::optional<QString> ParameterValue(const ParameterField &field, const QString &text,
                                      QString &refusal)
{
    const QString value = text.trimmed();
    if (field.logical) {
        if (const std::optional<bool> truth = parseLogicalWord(value))
            return *truth ? QStringLiteral("tak") : QStringLiteral("nie");
        refusal = QStringLiteral("Pole %1 przyjmuje tak albo nie, nie „%2”.").arg(field.name, text);
        return std::nullopt;
    }
    bool whole = false;
    const int number = value.toInt(&whole);
    if (!whole || number < field.minimum || number > field.maximum) {
        refusal = QStringLiteral("Pole %1 przyjmuje liczbę całkowitą od %2 do %3, nie „%4”.")
                      .arg(field.name, QString::number(field.minimum),
                           QString::number(field.maximum), text);
        return std::nullopt;
    }
    return QString::number(number);
}

QString ShownParameter(Cursor &parameters, const ParameterField &field)
{
    if (!parameters.isOpen() || parameters.isEmpty() || !parameters.hasField(field.name))
        return QString();
    const Field value = parameters.field(field.name);
    if (value.isNull())
        return QString();
    if (field.logical)
        return value.asBoolean() ? QStringLiteral("tak") : QStringLiteral("nie");
    return QString::number(value.asInteger());
}
