// Every amount is exact; rounding happens only where the form rounds.

#include "pit5/declaration_rules.h"

#include "core/data_module.h"
#include "core/rounding.h"
#include "core/table_access.h"
#include "pit5/declaration_tax.h"
#include "pit5/tax_constants.h"
#include "platform/prompter.h"

#include <QScopedValueRollback>

namespace {

Money amount(Cursor &declaration, const char *field)
{
    return declaration.field(QString::fromLatin1(field)).asCurrency();
}

void setAmount(Cursor &declaration, const char *field, Money value)
{
    declaration.field(QString::fromLatin1(field)).setCurrency(value);
}

// What `calculation` gives for `field`; a result no amount holds is refused naming the field.
template <class Calculation>
Money calculated(const char *field, Calculation calculation)
{
    return CalculatedAmount(QStringLiteral("pola %1").arg(QLatin1String(field)), calculation);
}

template <class Calculation>
void setCalculated(Cursor &declaration, const char *field, Calculation calculation)
{
    setAmount(declaration, field, calculated(field, calculation));
}

Money notNegative(Money value)
{
    return value < Money() ? Money() : value;
}

// Income is assigned before the loss when there is income, the loss first otherwise, so
// that the rule of whichever field is assigned last sees both settled.
template <class Calculation>
void split(Cursor &declaration, Calculation difference, const char *income, const char *loss)
{
    const Money value = calculated(income, difference);
    if (value > Money()) {
        setAmount(declaration, income, value);
        setAmount(declaration, loss, Money());
    } else {
        setAmount(declaration, loss, calculated(loss, [value] { return -value; }));
        setAmount(declaration, income, Money());
    }
}

struct AnnexRow {
    const char *revenue;
    const char *costs;
    const char *income;
    const char *loss;
};

// The annex rows whose amounts feed section C; rows 3 and 4 of section K do not.
constexpr AnnexRow AnnexRows[] = {
    {"K71", "K72", "K73", "K74"},     {"K80", "K81", "K82", "K83"},
    {"L94", "L95", "L96", "L97"},     {"L110", "L111", "L112", "L113"},
    {"M119", "M120", "M121", "M122"}, {"M126", "M127", "M128", "M129"},
};

constexpr int FlatRateCode = 25;
const Money DefaultFlatRate = Money::fromZloty(19);

struct DeclarationRulesState : SubsystemState {
    int taxpayerCounter = 0;
    bool constantsInsertGuard = false;
};

void TDEKP1Change(TDANE &dane)
{
    Cursor &declaration = dane.TDEK;
    declaration.field(QStringLiteral("NIP"))
        .setAsString(declaration.field(QStringLiteral("P1")).asString().remove(QLatin1Char('-')));
}

void TDEKP4Change(TDANE &dane)
{
    Cursor &declaration = dane.TDEK;
    declaration.field(QStringLiteral("MC"))
        .setAsString(declaration.field(QStringLiteral("P4")).asString().left(2));
}

// The tax office typed last is offered for the next declaration.
void TDEKP5Change(TDANE &dane)
{
    Cursor &parameters = dane.TPARA;
    if (!parameters.isOpen() || !parameters.hasField(QStringLiteral("US")))
        return;
    EnsureEditing(parameters);
    parameters.field(QStringLiteral("US")).setAsString(dane.TDEK.field(QStringLiteral("P5")).asString());
    SaveInRule(parameters);
}

void TDEKP11Change(TDANE &dane)
{
    Cursor &declaration = dane.TDEK;
    if (declaration.field(QStringLiteral("P12")).asString().isEmpty())
        declaration.field(QStringLiteral("P12"))
            .setAsString(declaration.field(QStringLiteral("P11")).asString());
}

void TDEKP12Change(TDANE &dane)
{
    Cursor &declaration = dane.TDEK;
    if (declaration.field(QStringLiteral("P16")).asString().isEmpty())
        declaration.field(QStringLiteral("P16"))
            .setAsString(declaration.field(QStringLiteral("P12")).asString());
}

void POLEDS(Cursor &declaration, const QString &changedField)
{
    for (const AnnexRow &row : AnnexRows) {
        if (changedField.compare(QLatin1String(row.revenue), Qt::CaseInsensitive) == 0
            || changedField.compare(QLatin1String(row.costs), Qt::CaseInsensitive) == 0)
            split(declaration,
                  [&] { return amount(declaration, row.revenue) - amount(declaration, row.costs); },
                  row.income, row.loss);
    }
    const auto setSum = [&declaration](const char *field, std::initializer_list<const char *> fields) {
        setCalculated(declaration, field, [&] {
            Money total;
            for (const char *added : fields)
                total += amount(declaration, added);
            return total;
        });
    };
    setSum("P19", {"K71", "K80", "L94", "L110"});
    setSum("P20", {"K72", "K81", "L95", "L111"});
    setSum("P23", {"M119", "M126"});
    setSum("P24", {"M120", "M127"});
}

void POLE30(Cursor &declaration)
{
    const auto difference = [&declaration](const char *minuend, const char *subtrahend) {
        return [&declaration, minuend, subtrahend] {
            return amount(declaration, minuend) - amount(declaration, subtrahend);
        };
    };
    setCalculated(declaration, "P27",
                  [&] { return amount(declaration, "P19") + amount(declaration, "P23"); });
    setCalculated(declaration, "P28",
                  [&] { return amount(declaration, "P20") + amount(declaration, "P24"); });
    split(declaration, difference("P19", "P20"), "P21", "P22");
    split(declaration, difference("P23", "P24"), "P25", "P26");
    split(declaration, difference("P27", "P28"), "P29", "P30");
}

void POLE33(Cursor &declaration)
{
    setCalculated(declaration, "P33", [&] {
        return notNegative(amount(declaration, "P29") - amount(declaration, "P31")
                           - amount(declaration, "P32"));
    });
}

// P36 and P42 trigger this rule but are not part of the income after deductions.
void POLE44(Cursor &declaration)
{
    setCalculated(declaration, "P44", [&] {
        Money income = amount(declaration, "P33");
        for (const char *deduction : {"P34", "P35", "P38", "P40", "P41", "P43"})
            income -= amount(declaration, deduction);
        return notNegative(income);
    });
}

void POLE46(Cursor &declaration)
{
    const Money business = amount(declaration, "P21");
    const Money businessLoss = amount(declaration, "P22");
    const Money income = amount(declaration, "P44");
    const Money increase = amount(declaration, "P45");
    setCalculated(declaration, "P46", [&] {
        if (business > Money())
            return RoundHalfAway(income + increase);
        if (business.isZero() && increase > businessLoss) // the increase first absorbs the loss
            return RoundHalfAway(income + increase - businessLoss);
        return RoundHalfAway(income);
    });
}

// The flat rate missing from the constants is taken from the first scale rate (19 % without
// one) and written as a constant of its own, so that the next declaration finds it.
Money flatRate(TDANE &dane)
{
    Cursor &constants = dane.TSTALE;
    if (const std::optional<Money> rate = TaxConstant(constants, FlatRateCode, "WARTOSC"))
        return *rate;
    const Money rate = TaxConstant(constants, 8, "WARTOSC").value_or(DefaultFlatRate);
    const QScopedValueRollback guard(dane.subsystemState<DeclarationRulesState>().constantsInsertGuard,
                                     false);
    const Cursor::Bookmark place = constants.bookmark();
    constants.append();
    constants.field(QStringLiteral("KOD")).setInteger(FlatRateCode);
    constants.field(QStringLiteral("NAZWA")).setAsString(QStringLiteral("Stawka podatku liniowego"));
    constants.field(QStringLiteral("JM")).setAsString(QStringLiteral("%"));
    constants.field(QStringLiteral("WARTOSC")).setCurrency(rate);
    constants.field(QStringLiteral("DATA")).setAsString(dane.environment().today);
    SaveInRule(constants);
    if (place.isValid())
        constants.gotoBookmark(place);
    return rate;
}

void POLE47(TDANE &dane)
{
    Cursor &constants = dane.TSTALE;
    if (!constants.isOpen())
        return;
    const Money base = amount(dane.TDEK, "P46");
    const bool flat = dane.TOSOBA.isOpen() && !dane.TOSOBA.isEmpty()
                      && dane.TOSOBA.field(QStringLiteral("ZL1")).asBoolean();
    if (flat) {
        const Money rate = flatRate(dane);
        setCalculated(dane.TDEK, "P47", [&] { return FlatTax(base, rate); });
        return;
    }
    ScaleConstants scale;
    scale.rate1 = TaxConstantOrZero(constants, 8, "WARTOSC");
    scale.rate2 = TaxConstantOrZero(constants, 9, "WARTOSC");
    scale.rate3 = TaxConstantOrZero(constants, 10, "WARTOSC");
    scale.threshold = TaxConstantOrZero(constants, 11, "WARTOSC");
    scale.reducingAmount = TaxConstantOrZero(constants, 15, "WARTOSC");
    setCalculated(dane.TDEK, "P47", [&] { return ScaleTax(base, scale); });
}

void POLE53(Cursor &declaration)
{
    setCalculated(declaration, "P53", [&] {
        Money tax = amount(declaration, "P47");
        for (const char *deduction : {"P48", "P49", "P50", "P52"})
            tax -= amount(declaration, deduction);
        return notNegative(tax);
    });
}

void POLE55(Cursor &declaration)
{
    const Money paid = amount(declaration, "P54");
    const Money advance =
        calculated("P55", [&] { return notNegative(RoundHalfAway(amount(declaration, "P53") - paid)); });
    setAmount(declaration, "P55", advance);
    setCalculated(declaration, "P56", [&] { return paid + advance; });
}

void POLE62(Cursor &declaration)
{
    setCalculated(declaration, "P62",
                  [&] { return amount(declaration, "P55") - amount(declaration, "P61"); });
}

void POLE64(Cursor &declaration)
{
    setCalculated(declaration, "P64",
                  [&] { return amount(declaration, "P62") + amount(declaration, "P63"); });
}

// ---- taxpayers ------------------------------------------------------------------------------

// The taxpayer view shows the numbered taxpayers and the firm's own record when the firm is
// a natural person.
bool TOSOBAFilterRecord(Cursor &taxpayers)
{
    const Field number = taxpayers.field(QStringLiteral("NR"));
    if (!number.isNull() && number.asInteger() != 0)
        return true;
    return taxpayers.field(QStringLiteral("RP")).asString() == QLatin1String("F");
}

// A new taxpayer saved without a number would become the firm's own record, which is the
// one record without a number; so it is numbered like one saved with 0.
void TOSOBABeforePost(TDANE &dane, Cursor &taxpayers)
{
    Field number = taxpayers.field(QStringLiteral("NR"));
    const bool unnumberedInsert = number.isNull() && taxpayers.state() == Cursor::State::Insert;
    if (number.asString() == QLatin1String("0") || unnumberedInsert)
        number.setInteger(++dane.subsystemState<DeclarationRulesState>().taxpayerCounter);
}

// A save reports the identification still missing.
void TOSOBAAfterPost(TDANE &dane, Cursor &taxpayers)
{
    const bool noNip = taxpayers.field(QStringLiteral("NIP")).asString().remove(QLatin1Char(' ')).isEmpty();
    const bool noShare = taxpayers.field(QStringLiteral("ZAPAS4")).asFloat() == 0.0;
    if (!noNip && !noShare)
        return;
    QString text = QStringLiteral("Brak uzupełnionych pól : ");
    if (noNip)
        text += QStringLiteral(" NIP-u");
    if (noShare)
        text += QStringLiteral(", Procent Udziału");
    dane.prompter().warn(text);
}

void TSTALEStateChange(TDANE &dane, Cursor &constants)
{
    if (dane.subsystemState<DeclarationRulesState>().constantsInsertGuard
        && constants.state() == Cursor::State::Insert)
        constants.cancel();
}

} // namespace

void installDeclarationRules(TDANE &dane)
{
    Cursor &declaration = dane.TDEK;
    const auto on = [&declaration](const char *field, std::function<void()> rule) {
        declaration.setFieldChange(QString::fromLatin1(field), [rule](Field) { rule(); });
    };
    on("P1", [&dane] { TDEKP1Change(dane); });
    on("P4", [&dane] { TDEKP4Change(dane); });
    on("P5", [&dane] { TDEKP5Change(dane); });
    on("P11", [&dane] { TDEKP11Change(dane); });
    on("P12", [&dane] { TDEKP12Change(dane); });
    for (const AnnexRow &row : AnnexRows)
        for (const char *field : {row.revenue, row.costs})
            declaration.setFieldChange(QString::fromLatin1(field), [&declaration](Field changed) {
                POLEDS(declaration, changed.name());
            });
    const auto onAll = [&on, &declaration](std::initializer_list<const char *> fields,
                                           void (*rule)(Cursor &)) {
        for (const char *field : fields)
            on(field, [&declaration, rule] { rule(declaration); });
    };
    onAll({"P19", "P20", "P23", "P24"}, POLE30);
    onAll({"P29", "P31", "P32"}, POLE33);
    onAll({"P33", "P34", "P35", "P36", "P38", "P40", "P41", "P42", "P43"}, POLE44);
    onAll({"P44", "P45"}, POLE46);
    on("P46", [&dane] { POLE47(dane); });
    onAll({"P47", "P48", "P49", "P50", "P52"}, POLE53);
    onAll({"P53", "P54"}, POLE55);
    onAll({"P55", "P61"}, POLE62);
    onAll({"P62", "P63"}, POLE64);

    Cursor &taxpayers = dane.TOSOBA;
    taxpayers.setFilterHook(TOSOBAFilterRecord);
    taxpayers.setFiltered(true);
    taxpayers.setBeforePost([&dane](Cursor &taxpayer) { TOSOBABeforePost(dane, taxpayer); });
    taxpayers.setAfterPost([&dane](Cursor &taxpayer) { TOSOBAAfterPost(dane, taxpayer); });
    dane.TSTALE.setStateChange(
        [&dane](Cursor &constants, Cursor::State) { TSTALEStateChange(dane, constants); });
}

void TakeTaxpayerCounter(TDANE &dane)
{
    dane.TOSOBA.last();
    dane.subsystemState<DeclarationRulesState>().taxpayerCounter =
        int(dane.TOSOBA.field(QStringLiteral("NR")).asInteger());
}

void setConstantsInsertGuard(TDANE &dane, bool on)
{
    dane.subsystemState<DeclarationRulesState>().constantsInsertGuard = on;
}
