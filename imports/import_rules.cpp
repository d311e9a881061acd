#include "imports/import_rules.h"

#include "core/data_module.h"

namespace {

struct ImportRulesState : SubsystemState {
    bool purchaseImport = false;
};

bool TRDFilterRecord(TDANE &dane, Cursor &registers)
{
    if (!registers.field(QStringLiteral("L1")).asBoolean())
        return false;
    const QString code = registers.field(QStringLiteral("RD")).asString();
    if (code.isEmpty())
        return false;
    const QString kinds = dane.subsystemState<ImportRulesState>().purchaseImport
                              ? QStringLiteral("CDZ")
                              : QStringLiteral("ABIRSWX");
    return kinds.contains(code.at(0));
}

bool TNAGFilterRecord(const TDANE &dane, Cursor &headers)
{
    const WorkingEnvironment &environment = dane.environment();
    return headers.field(QStringLiteral("DATA")).asString().left(7)
           == environment.workingYear + QLatin1Char('.') + environment.workingMonth;
}

// Positions the invoicing program made itself (a non-zero `AUTO`) are no part of the sale.
bool TPOZFilterRecord(Cursor &positions)
{
    const QString automatic = QStringLiteral("AUTO");
    return !positions.hasField(automatic) || positions.field(automatic).asInteger() == 0;
}

} // namespace

void installImportRules(TDANE &dane)
{
    dane.TRD.setFilterHook([&dane](Cursor &registers) { return TRDFilterRecord(dane, registers); });
    dane.TRD.setFiltered(true);

    dane.TNAG.setIndexFieldNames(QStringLiteral("RD"));
    dane.TNAG.setMaster(&dane.TRD, QStringLiteral("RD"));
    dane.TNAG.setFilterHook([&dane](Cursor &headers) { return TNAGFilterRecord(dane, headers); });
    dane.TNAG.setFiltered(true);

    dane.TPOZ.setIndexFieldNames(QStringLiteral("RD;ROK;MC;NRD"));
    dane.TPOZ.setMaster(&dane.TNAG, QStringLiteral("RD;ROK;MC;NRD"));
    dane.TPOZ.setFilterHook(TPOZFilterRecord);
    dane.TPOZ.setFiltered(true);
}

void setPurchaseImport(TDANE &dane, bool on)
{
    dane.subsystemState<ImportRulesState>().purchaseImport = on;
}
