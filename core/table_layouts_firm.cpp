#include "core/table_layouts.h"

#include "core/layout_fields.h"

TableDef firmLayout()
{
    TableDef layout;
    layout.fields = {
        typedField(QStringLiteral("NR"), FieldType::Integer), textField(QStringLiteral("DR"), 50), textField(QStringLiteral("NIP"), 13), textField(QStringLiteral("REGON"), 14),
        textField(QStringLiteral("PESEL"), 11), textField(QStringLiteral("RHB"), 50), textField(QStringLiteral("SKROT"), 50), textField(QStringLiteral("NAZWA1"), 50),
        textField(QStringLiteral("NAZWA2"), 50), textField(QStringLiteral("NAZWISKO"), 30), textField(QStringLiteral("IMIE"), 20), textField(QStringLiteral("DATAUR"), 10),
        textField(QStringLiteral("RD"), 1), textField(QStringLiteral("NRD"), 9), textField(QStringLiteral("ULICA"), 30), textField(QStringLiteral("NUMER"), 7), textField(QStringLiteral("LOKAL"), 7),
        textField(QStringLiteral("KOD"), 6), textField(QStringLiteral("POCZTA"), 30), textField(QStringLiteral("KRAJ"), 30), textField(QStringLiteral("WOJEWODZTWO"), 30),
        textField(QStringLiteral("POWIAT"), 30), textField(QStringLiteral("GMINA"), 30), textField(QStringLiteral("MIEJSCOWOSC"), 30), textField(QStringLiteral("EMAIL"), 50),
        textField(QStringLiteral("WWW"), 50), textField(QStringLiteral("RP"), 1), textField(QStringLiteral("BANK"), 40), textField(QStringLiteral("BANK2"), 40), textField(QStringLiteral("BANK3"), 40),
        textField(QStringLiteral("ADRES1"), 40), textField(QStringLiteral("ADRES2"), 40), textField(QStringLiteral("ADRES3"), 40), textField(QStringLiteral("NUM1"), 40),
        textField(QStringLiteral("NUM2"), 40), textField(QStringLiteral("NUM3"), 40), typedField(QStringLiteral("DRTYP"), FieldType::Integer),
        typedField(QStringLiteral("DRPORT"), FieldType::Integer), typedField(QStringLiteral("DREKS"), FieldType::Integer),
        typedField(QStringLiteral("DRRODZAJ"), FieldType::Integer), typedField(QStringLiteral("DRPL"), FieldType::Integer),
        typedField(QStringLiteral("DRPODZIAL"), FieldType::Logical), typedField(QStringLiteral("DRLEWY"), FieldType::Integer),
        typedField(QStringLiteral("DRGORA"), FieldType::Integer), typedField(QStringLiteral("DRLINIDOS"), FieldType::Integer),
        typedField(QStringLiteral("DRBUFOR"), FieldType::Logical), textField(QStringLiteral("URZAD"), 50), textField(QStringLiteral("KAPITAL"), 30),
        textField(QStringLiteral("OBRDATA"), 5), textField(QStringLiteral("ARCHDATA"), 10), typedField(QStringLiteral("ARCHDNI"), FieldType::Integer),
        typedField(QStringLiteral("LOGO"), FieldType::Logical), textField(QStringLiteral("ZAPAS1"), 50), textField(QStringLiteral("ZAPAS2"), 50),
        typedField(QStringLiteral("ZAPAS3"), FieldType::Integer), typedField(QStringLiteral("ZAPAS4"), FieldType::Float),
        typedField(QStringLiteral("ZL1"), FieldType::Logical), typedField(QStringLiteral("ZL2"), FieldType::Logical), textField(QStringLiteral("ZULICA"), 30),
        textField(QStringLiteral("ZNUMER"), 7), textField(QStringLiteral("ZLOKAL"), 7), textField(QStringLiteral("ZKOD"), 6), textField(QStringLiteral("ZPOCZTA"), 30),
        textField(QStringLiteral("ZKRAJ"), 30), textField(QStringLiteral("ZWOJEWODZTWO"), 30), textField(QStringLiteral("ZPOWIAT"), 30), textField(QStringLiteral("ZGMINA"), 30),
        textField(QStringLiteral("ZMIEJSCOWOSC"), 30),
    };
    layout.indexes = {
        {QString(), {QStringLiteral("NR")}, true, true, false, false},
        {QStringLiteral("Ninx"), {QStringLiteral("SKROT")}, false, false, true, false},
    };
    return layout;
}
