#include "core/table_layouts.h"

#include "core/layout_fields.h"

namespace {

QString named(char prefix, int number)
{
    return QLatin1Char(prefix) + QString::number(number);
}

// Section K: one business share per row — NIP, REGON, name, place, share %, then amounts.
void appendShareRows(QList<FieldDef> &fields)
{
    for (int first = 66; first <= 93; first += 9) {
        fields << textField(named('K', first), 13) << textField(named('K', first + 1), 14)
               << textField(named('K', first + 2), 50) << textField(named('K', first + 3), 50)
               << typedField(named('K', first + 4), FieldType::Float);
        for (int amount = first + 5; amount <= first + 8; ++amount)
            fields << typedField(named('K', amount), FieldType::Currency);
    }
}

// Section L: a business in a special economic zone, two rows of sixteen fields.
void appendZoneRows(QList<FieldDef> &fields)
{
    for (int first = 84; first <= 100; first += 16) {
        fields << textField(named('L', first), 50) << textField(named('L', first + 1), 13)
               << textField(named('L', first + 2), 14) << textField(named('L', first + 3), 50)
               << textField(named('L', first + 4), 50) << textField(named('L', first + 5), 50)
               << textField(named('L', first + 6), 10) << textField(named('L', first + 7), 10)
               << typedField(named('L', first + 8), FieldType::Integer)
               << typedField(named('L', first + 9), FieldType::Float);
        for (int amount = first + 10; amount <= first + 15; ++amount)
            fields << typedField(named('L', amount), FieldType::Currency);
    }
}

// Section M: rental, two rows of seven fields.
void appendRentalRows(QList<FieldDef> &fields)
{
    for (int first = 116; first <= 123; first += 7) {
        fields << textField(named('M', first), 50) << textField(named('M', first + 1), 50)
               << typedField(named('M', first + 2), FieldType::Float);
        for (int amount = first + 3; amount <= first + 6; ++amount)
            fields << typedField(named('M', amount), FieldType::Currency);
    }
}

} // namespace

TableDef declarationsLayout()
{
    TableDef layout;
    QList<FieldDef> &fields = layout.fields;
    fields << textField(QStringLiteral("MC"), 2) << textField(QStringLiteral("NIP"), 10)
           << typedField(QStringLiteral("AUTO"), FieldType::AutoInc) << textField(QStringLiteral("P1"), 13)
           << textField(QStringLiteral("P4"), 7);
    for (int position = 5; position <= 18; ++position)
        fields << textField(named('P', position), position == 8 ? 10 : 50);
    fields << textField(QStringLiteral("O133"), 10);
    for (int position = 19; position <= 65; ++position) {
        const bool memo = position == 37 || position == 39 || position == 51 || position == 57
                          || position == 58;
        fields << typedField(named('P', position), memo ? FieldType::Memo : FieldType::Currency);
    }
    appendShareRows(fields);
    appendZoneRows(fields);
    appendRentalRows(fields);
    for (int annex = 130; annex <= 133; ++annex)
        fields << typedField(named('N', annex), FieldType::Integer);
    // The previous month's declaration of a taxpayer is found by (month, NIP); AUTO keeps
    // copies of one declaration apart.
    layout.indexes = {{QString(),
                       {QStringLiteral("MC"), QStringLiteral("NIP"), QStringLiteral("AUTO")},
                       true, true, false, false}};
    return layout;
}

TableDef constantsLayout()
{
    TableDef layout;
    layout.fields = {typedField(QStringLiteral("KOD"), FieldType::Integer),
                     textField(QStringLiteral("NAZWA"), 25), textField(QStringLiteral("JM"), 6),
                     typedField(QStringLiteral("WARTOSC"), FieldType::Currency),
                     textField(QStringLiteral("DATA"), 10),
                     typedField(QStringLiteral("KWOTAMIN"), FieldType::Currency)};
    layout.indexes = {{QString(), {QStringLiteral("KOD")}, true, true, false, false}};
    return layout;
}
