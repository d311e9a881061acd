#include "pit5/tax_method.h"

#include "core/data_module.h"
#include "core/table_access.h"
#include "pit5/taxpayer_register.h"

const QStringList &FlatRateLockedFields()
{
    static const QStringList fields = {
        QStringLiteral("P23"), QStringLiteral("P24"), QStringLiteral("P25"), QStringLiteral("P26"),
        QStringLiteral("P27"), QStringLiteral("P28"), QStringLiteral("P29"), QStringLiteral("P30"),
        QStringLiteral("P31"), QStringLiteral("P33"), QStringLiteral("P35"), QStringLiteral("P37"),
        QStringLiteral("P38"), QStringLiteral("P39"), QStringLiteral("P40"), QStringLiteral("P41"),
        QStringLiteral("P43"), QStringLiteral("P49"), QStringLiteral("P50"), QStringLiteral("P51"),
        QStringLiteral("P52"),
    };
    return fields;
}

std::optional<bool> SettleTaxMethod(TDANE &dane, Prompter &prompter)
{
    if (!HasTaxpayers(dane))
        return std::nullopt;
    Cursor &taxpayer = dane.TOSOBA;
    if (taxpayer.field(QStringLiteral("ZL1")).isNull()) {
        EnsureEditing(taxpayer);
        taxpayer.field(QStringLiteral("ZL1")).setBoolean(false);
        if (!SaveTable(taxpayer, prompter))
            return std::nullopt;
    }
    return taxpayer.field(QStringLiteral("ZL1")).asBoolean();
}

bool IsFlatRateTaxpayer(TDANE &dane)
{
    return HasTaxpayers(dane) && dane.TOSOBA.field(QStringLiteral("ZL1")).asBoolean();
}

bool IsRentalTaxpayer(TDANE &dane)
{
    return HasTaxpayers(dane) && dane.TOSOBA.field(QStringLiteral("ZL2")).asBoolean();
}
