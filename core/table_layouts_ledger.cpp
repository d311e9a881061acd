#include "core/table_layouts.h"

#include "core/layout_fields.h"

TableDef ledgerLayout()
{
    TableDef layout;
    layout.fields = {
        typedField(QStringLiteral("AUTO"), FieldType::AutoInc), typedField(QStringLiteral("LP"), FieldType::Integer), textField(QStringLiteral("MC"), 2),
        textField(QStringLiteral("OZN"), 1), textField(QStringLiteral("DATA"), 10), textField(QStringLiteral("NRKSIEG"), 50), textField(QStringLiteral("NRKOMP"), 50),
        textField(QStringLiteral("NRK"), 5), textField(QStringLiteral("NAZ1"), 50), textField(QStringLiteral("NAZ2"), 50), textField(QStringLiteral("KOD"), 6),
        textField(QStringLiteral("MIEJSC"), 35), textField(QStringLiteral("UL"), 35), textField(QStringLiteral("NIP"), 13), textField(QStringLiteral("OPIS1"), 30),
        textField(QStringLiteral("OPIS2"), 30), typedField(QStringLiteral("K7"), FieldType::Currency), typedField(QStringLiteral("K8"), FieldType::Currency),
        typedField(QStringLiteral("K10"), FieldType::Currency), typedField(QStringLiteral("K11"), FieldType::Currency),
        typedField(QStringLiteral("K12"), FieldType::Currency), typedField(QStringLiteral("K13"), FieldType::Currency),
        typedField(QStringLiteral("K16"), FieldType::Currency), typedField(QStringLiteral("UWAGI"), FieldType::Memo), textField(QStringLiteral("NAZWISKO"), 25),
        typedField(QStringLiteral("B1"), FieldType::Logical), textField(QStringLiteral("A2"), 12), typedField(QStringLiteral("K17"), FieldType::Currency),
        // Last, where the upgrade of an older table adds it.
        textField(QStringLiteral("KSEF"), 36),
    };
    layout.indexes = {
        primaryIndexOn(QStringLiteral("AUTO")),
        // The book order: month first, then the number (posting looks a month up in it).
        {QStringLiteral("LPinx"), {QStringLiteral("MC"), QStringLiteral("LP")}, false, false,
         false, false},
        secondaryIndex(QStringLiteral("NRKSIEGinx"), QStringLiteral("NRKSIEG")),
        secondaryIndex(QStringLiteral("KONTRinx"), QStringLiteral("NAZ1")),
        secondaryIndex(QStringLiteral("DATAinx"), QStringLiteral("DATA")),
        secondaryIndex(QStringLiteral("NRKOMPinx"), QStringLiteral("NRKOMP")),
        // The next entry number is one above the highest: found at once by this index.
        secondaryIndex(QStringLiteral("NUMERinx"), QStringLiteral("LP")),
    };
    return layout;
}

QList<FieldDef> ledgerCalculatedFields()
{
    return {typedField(QStringLiteral("K9"), FieldType::Currency), typedField(QStringLiteral("K14"), FieldType::Currency),
            typedField(QStringLiteral("K15"), FieldType::Currency)};
}

TableDef sumsLayout()
{
    TableDef layout;
    layout.fields = {textField(QStringLiteral("KOD"), 3), textField(QStringLiteral("NAZWA"), 25), textField(QStringLiteral("OZN"), 1), textField(QStringLiteral("NAZWISKO"), 25),
                     textField(QStringLiteral("DATA"), 10)};
    for (const char *column : {"K7", "K8", "K9", "K10", "K11", "K12", "K13", "K14", "K15", "K16"})
        layout.fields << typedField(QString::fromLatin1(column), FieldType::Currency);
    layout.fields << typedField(QStringLiteral("Ilstr"), FieldType::Integer) << typedField(QStringLiteral("W1"), FieldType::Float)
                  << typedField(QStringLiteral("W2"), FieldType::Float) << typedField(QStringLiteral("W3"), FieldType::Float)
                  << typedField(QStringLiteral("K17"), FieldType::Currency);
    layout.indexes = {primaryIndexOn(QStringLiteral("KOD"))};
    return layout;
}

QList<FieldDef> sumsCalculatedFields()
{
    return {typedField(QStringLiteral("KW"), FieldType::Currency)};
}

TableDef parameterLayout()
{
    TableDef layout;
    layout.fields = {typedField(QStringLiteral("P2"), FieldType::Integer), typedField(QStringLiteral("P3"), FieldType::Integer),
                     typedField(QStringLiteral("L3"), FieldType::Integer),  typedField(QStringLiteral("B1"), FieldType::Logical),
                     textField(QStringLiteral("US"), 50),                typedField(QStringLiteral("ML"), FieldType::Integer),
                     typedField(QStringLiteral("MG"), FieldType::Integer),  typedField(QStringLiteral("ZL1"), FieldType::Logical),
                     textField(QStringLiteral("ADATA"), 10),             typedField(QStringLiteral("ACYKL"), FieldType::Integer)};
    return layout;
}

TableDef usersLayout()
{
    TableDef layout;
    layout.fields = {typedField(QStringLiteral("KOD"), FieldType::Integer), textField(QStringLiteral("NAZWISKO"), 25)};
    layout.indexes = {primaryIndexOn(QStringLiteral("KOD"))};
    return layout;
}

TableDef descriptionsLayout()
{
    TableDef layout;
    layout.fields = {typedField(QStringLiteral("NR"), FieldType::AutoInc), textField(QStringLiteral("NAZWA"), 30)};
    layout.indexes = {primaryIndexOn(QStringLiteral("NR"))};
    return layout;
}

TableDef contractorsLayout()
{
    TableDef layout;
    layout.fields = {typedField(QStringLiteral("NR"), FieldType::Integer), textField(QStringLiteral("NIP"), 13),    textField(QStringLiteral("SKROT"), 20),
                     textField(QStringLiteral("NAZWA1"), 50),           textField(QStringLiteral("NAZWA2"), 50), textField(QStringLiteral("KOD"), 6),
                     textField(QStringLiteral("MIEJSC"), 35),           textField(QStringLiteral("UL"), 35),     textField(QStringLiteral("BANK"), 35),
                     textField(QStringLiteral("NUM1"), 2),              textField(QStringLiteral("NUM2"), 8),    textField(QStringLiteral("NUM3"), 30),
                     typedField(QStringLiteral("ff"), FieldType::Memo)};
    layout.indexes = {primaryIndexOn(QStringLiteral("NR")), secondaryIndex(QStringLiteral("Ninx"), QStringLiteral("NIP")), secondaryIndex(QStringLiteral("Sinx"), QStringLiteral("SKROT")),
                      secondaryIndex(QStringLiteral("Minx"), QStringLiteral("MIEJSC"))};
    return layout;
}

TableDef contractorNotesLayout()
{
    TableDef layout;
    layout.fields = {typedField(QStringLiteral("NR"), FieldType::Integer), typedField(QStringLiteral("OPIS"), FieldType::Memo),
                     textField(QStringLiteral("REGPES"), 14),           textField(QStringLiteral("Tel1"), 25),
                     textField(QStringLiteral("Tel2"), 25),             textField(QStringLiteral("FAX"), 25),
                     textField(QStringLiteral("EMAIL"), 50),            textField(QStringLiteral("WWW"), 50),
                     textField(QStringLiteral("OSKONT"), 50),           textField(QStringLiteral("OSVAT"), 50),
                     textField(QStringLiteral("OSODP"), 50),            textField(QStringLiteral("Wojew"), 30),
                     typedField(QStringLiteral("SALDO"), FieldType::Currency)};
    layout.indexes = {primaryIndexOn(QStringLiteral("NR"))};
    return layout;
}

const QStringList &monthNames()
{
    static const QStringList names = {
        QStringLiteral("Styczeń"),  QStringLiteral("Luty"),        QStringLiteral("Marzec"),
        QStringLiteral("Kwiecień"), QStringLiteral("Maj"),         QStringLiteral("Czerwiec"),
        QStringLiteral("Lipiec"),   QStringLiteral("Sierpień"),    QStringLiteral("Wrzesień"),
        QStringLiteral("Październik"), QStringLiteral("Listopad"), QStringLiteral("Grudzień")};
    return names;
}
