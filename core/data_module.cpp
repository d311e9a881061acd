#include "core/data_module.h"

#include "core/table_layouts.h"

TDANE::TDANE(WorkingEnvironment &environment, Prompter &prompter)
    : environment_(environment), prompter_(prompter)
{
    installHooks();
}

void TDANE::installHooks()
{
    for (const FieldDef &field : ledgerCalculatedFields())
        TKSIEGA.addCalculatedField(field);
    TKSIEGA.setIndexName(QStringLiteral("LPinx"));
    installLedgerRules();

    for (const FieldDef &field : sumsCalculatedFields())
        TSUMA.addCalculatedField(field);
    TSUMA.setCalcFields([this](Cursor &sums) { TSUMACalcFields(sums); });

    // The firm record is the one without a number; taxpayers carry numbers.
    TFIRMA.setFilterHook([](Cursor &firm) { return firm.field(QStringLiteral("NR")).isNull(); });

    TNAG.setIndexFieldNames(QStringLiteral("RD"));
    TNAG.setMaster(&TRD, QStringLiteral("RD"));
    TPOZ.setIndexFieldNames(QStringLiteral("RD;ROK;MC;NRD"));
    TPOZ.setMaster(&TNAG, QStringLiteral("RD;ROK;MC;NRD"));

    installDeclarationRules();
}

void TDANE::TSUMACalcFields(Cursor &sums)
{
    const auto amount = [&](const char *name) {
        return sums.field(QString::fromLatin1(name)).asCurrency();
    };
    sums.field(QStringLiteral("KW"))
        .setCurrency(amount("K9") - amount("K10") - amount("K11") - amount("K14"));
}
