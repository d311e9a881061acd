#include "firm/firm_fields.h"

namespace {

QList<FirmFormField> formFields()
{
    QList<FirmFormField> fields;
    const auto add = [&](std::initializer_list<const char *> names, bool parameter = false,
                         bool readOnly = false) {
        for (const char *name : names)
            fields.append({QString::fromLatin1(name), parameter, readOnly});
    };
    add({"NIP", "REGON", "SKROT", "NAZWA1", "NAZWA2", "RHB", "RP", "NAZWISKO", "IMIE", "PESEL",
         "DATAUR", "RD", "NRD"});
    add({"ULICA", "NUMER", "LOKAL", "KOD", "POCZTA", "KRAJ", "WOJEWODZTWO", "POWIAT", "GMINA",
         "MIEJSCOWOSC", "EMAIL", "WWW"});
    add({"ZULICA", "ZNUMER", "ZLOKAL", "ZKOD", "ZPOCZTA", "ZKRAJ", "ZWOJEWODZTWO", "ZPOWIAT",
         "ZGMINA", "ZMIEJSCOWOSC"});
    add({"BANK", "ADRES1", "NUM1", "BANK2", "ADRES2", "NUM2", "BANK3", "ADRES3", "NUM3"});
    add({"URZAD"});
    add({"ARCHDATA"}, false, true);
    add({"ARCHDNI"});
    add({"ADATA", "ACYKL"}, true);
    add({"OBRDATA", "DR", "LOGO"});
    return fields;
}

} // namespace

const QList<FirmFormField> &FirmFormFields()
{
    static const QList<FirmFormField> fields = formFields();
    return fields;
}

const FirmFormField *FindFirmFormField(const QString &name)
{
    for (const FirmFormField &field : FirmFormFields())
        if (field.name.compare(name, Qt::CaseInsensitive) == 0)
            return &field;
    return nullptr;
}

const QStringList &Voivodeships()
{
    static const QStringList names = {
        QStringLiteral("DOLNOŚLĄSKIE"),   QStringLiteral("KUJAWSKO - POMORSKIE"),
        QStringLiteral("LUBELSKIE"),      QStringLiteral("LUBUSKIE"),
        QStringLiteral("ŁÓDZKIE"),        QStringLiteral("MAŁOPOLSKIE"),
        QStringLiteral("MAZOWIECKIE"),    QStringLiteral("OPOLSKIE"),
        QStringLiteral("PODKARPACKIE"),   QStringLiteral("PODLASKIE"),
        QStringLiteral("POMORSKIE"),      QStringLiteral("ŚLĄSKIE"),
        QStringLiteral("ŚWIĘTOKRZYSKIE"), QStringLiteral("WARMIŃSKO - MAZURSKIE"),
        QStringLiteral("WIELKOPOLSKIE"),  QStringLiteral("ZACHODNIPOMORSKIE")};
    return names;
}

const QStringList &PayerKinds()
{
    static const QStringList kinds = {QStringLiteral("P - Osoba Prawna"),
                                      QStringLiteral("F - Osoba Fizyczna")};
    return kinds;
}
