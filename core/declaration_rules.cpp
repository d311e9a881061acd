// The PIT-5 arithmetic as rules of the declaration cursor, and the rules of the taxpayer
// view. Every amount is exact; rounding happens only where the form rounds.

#include "core/data_module.h"

#include "core/declaration_tax.h"
#include "core/rounding.h"
#include "core/table_access.h"
#include "core/tax_constants.h"
#include "platform/prompter.h"
#include "platform/scoped_value.h"

namespace {

Money amount(Cursor &declaration, const char *field)
{
    return declaration.field(QString::fromLatin1(field)).asCurrency();
}

void setAmount(Cursor &declaration, const char *field, Money value)
{
    declaration.field(QString::fromLatin1(field)).setCurrency(value);
}

Money notNegative(Money value)
{
    return value < Money() ? Money() : value;
}

// Income is assigned before the loss when there is income, the loss first otherwise, so
// that the rule of whichever field is assigned last sees both settled.
void split(Cursor &declaration, Money difference, const char *income, const char *loss)
{
    if (difference > Money()) {
        setAmount(declaration, income, difference);
        setAmount(declaration, loss, Money());
    } else {
        setAmount(declaration, loss, -difference);
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

} // namespace

void TDANE::installDeclarationRules()
{
    const auto on = [this](const char *field, std::function<void()> rule) {
        TDEK.setFieldChange(QString::fromLatin1(field), [rule](Field) { rule(); });
    };
    on("P1", [this] { TDEKP1Change(); });
    on("P4", [this] { TDEKP4Change(); });
    on("P5", [this] { TDEKP5Change(); });
    on("P11", [this] { TDEKP11Change(); });
    on("P12", [this] { TDEKP12Change(); });
    for (const AnnexRow &row : AnnexRows)
        for (const char *field : {row.revenue, row.costs})
            TDEK.setFieldChange(QString::fromLatin1(field),
                                [this](Field changed) { POLEDS(changed.name()); });
    for (const char *field : {"P19", "P20", "P23", "P24"})
        on(field, [this] { POLE30(); });
    for (const char *field : {"P29", "P31", "P32"})
        on(field, [this] { POLE33(); });
    for (const char *field : {"P33", "P34", "P35", "P36", "P38", "P40", "P41", "P42", "P43"})
        on(field, [this] { POLE44(); });
    for (const char *field : {"P44", "P45"})
        on(field, [this] { POLE46(); });
    on("P46", [this] { POLE47(); });
    for (const char *field : {"P47", "P48", "P49", "P50", "P52"})
        on(field, [this] { POLE53(); });
    for (const char *field : {"P53", "P54"})
        on(field, [this] { POLE55(); });
    for (const char *field : {"P55", "P61"})
        on(field, [this] { POLE62(); });
    for (const char *field : {"P62", "P63"})
        on(field, [this] { POLE64(); });

    TOSOBA.setFilterHook([this](Cursor &taxpayers) { return TOSOBAFilterRecord(taxpayers); });
    TOSOBA.setFiltered(true);
    TOSOBA.setBeforePost([this](Cursor &taxpayers) { TOSOBABeforePost(taxpayers); });
    TOSOBA.setAfterPost([this](Cursor &taxpayers) { TOSOBAAfterPost(taxpayers); });
    TSTALE.setStateChange([this](Cursor &constants, Cursor::State) { TSTALEStateChange(constants); });
}

void TDANE::TDEKP1Change()
{
    TDEK.field(QStringLiteral("NIP"))
        .setAsString(TDEK.field(QStringLiteral("P1")).asString().remove(QLatin1Char('-')));
}

void TDANE::TDEKP4Change()
{
    TDEK.field(QStringLiteral("MC")).setAsString(TDEK.field(QStringLiteral("P4")).asString().left(2));
}

// The tax office typed last is offered for the next declaration.
void TDANE::TDEKP5Change()
{
    if (!TPARA.isOpen() || !TPARA.hasField(QStringLiteral("US")))
        return;
    EnsureEditing(TPARA);
    TPARA.field(QStringLiteral("US")).setAsString(TDEK.field(QStringLiteral("P5")).asString());
    SaveTable(TPARA, prompter_);
}

void TDANE::TDEKP11Change()
{
    if (TDEK.field(QStringLiteral("P12")).asString().isEmpty())
        TDEK.field(QStringLiteral("P12")).setAsString(TDEK.field(QStringLiteral("P11")).asString());
}

void TDANE::TDEKP12Change()
{
    if (TDEK.field(QStringLiteral("P16")).asString().isEmpty())
        TDEK.field(QStringLiteral("P16")).setAsString(TDEK.field(QStringLiteral("P12")).asString());
}

void TDANE::POLEDS(const QString &changedField)
{
    for (const AnnexRow &row : AnnexRows) {
        if (changedField.compare(QLatin1String(row.revenue), Qt::CaseInsensitive) == 0
            || changedField.compare(QLatin1String(row.costs), Qt::CaseInsensitive) == 0)
            split(TDEK, amount(TDEK, row.revenue) - amount(TDEK, row.costs), row.income, row.loss);
    }
    const auto sum = [this](std::initializer_list<const char *> fields) {
        Money total;
        for (const char *field : fields)
            total += amount(TDEK, field);
        return total;
    };
    setAmount(TDEK, "P19", sum({"K71", "K80", "L94", "L110"}));
    setAmount(TDEK, "P20", sum({"K72", "K81", "L95", "L111"}));
    setAmount(TDEK, "P23", sum({"M119", "M126"}));
    setAmount(TDEK, "P24", sum({"M120", "M127"}));
}

void TDANE::POLE30()
{
    setAmount(TDEK, "P27", amount(TDEK, "P19") + amount(TDEK, "P23"));
    setAmount(TDEK, "P28", amount(TDEK, "P20") + amount(TDEK, "P24"));
    split(TDEK, amount(TDEK, "P19") - amount(TDEK, "P20"), "P21", "P22");
    split(TDEK, amount(TDEK, "P23") - amount(TDEK, "P24"), "P25", "P26");
    split(TDEK, amount(TDEK, "P27") - amount(TDEK, "P28"), "P29", "P30");
}

void TDANE::POLE33()
{
    setAmount(TDEK, "P33",
              notNegative(amount(TDEK, "P29") - amount(TDEK, "P31") - amount(TDEK, "P32")));
}

// P36 and P42 trigger this rule but are not part of the income after deductions.
void TDANE::POLE44()
{
    Money income = amount(TDEK, "P33");
    for (const char *deduction : {"P34", "P35", "P38", "P40", "P41", "P43"})
        income -= amount(TDEK, deduction);
    setAmount(TDEK, "P44", notNegative(income));
}

void TDANE::POLE46()
{
    const Money business = amount(TDEK, "P21");
    const Money businessLoss = amount(TDEK, "P22");
    const Money income = amount(TDEK, "P44");
    const Money increase = amount(TDEK, "P45");
    Money base;
    if (business > Money())
        base = income + increase;
    else if (business.isZero() && increase > businessLoss)
        base = income + increase - businessLoss; // the increase first absorbs the business loss
    else
        base = income;
    setAmount(TDEK, "P46", RoundHalfAway(base));
}

void TDANE::POLE47()
{
    if (!TSTALE.isOpen())
        return;
    const Money base = amount(TDEK, "P46");
    const bool flatRate = TOSOBA.isOpen() && !TOSOBA.isEmpty()
                          && TOSOBA.field(QStringLiteral("ZL1")).asBoolean();
    Money tax;
    if (flatRate) {
        std::optional<Money> rate = TaxConstant(TSTALE, FlatRateCode, "WARTOSC");
        if (!rate) {
            rate = TaxConstant(TSTALE, 8, "WARTOSC").value_or(DefaultFlatRate);
            ScopedValue<bool> guard(constantsInsertGuard_, false);
            const Cursor::Bookmark place = TSTALE.bookmark();
            TSTALE.append();
            TSTALE.field(QStringLiteral("KOD")).setInteger(FlatRateCode);
            TSTALE.field(QStringLiteral("NAZWA")).setAsString(QStringLiteral("Stawka podatku liniowego"));
            TSTALE.field(QStringLiteral("JM")).setAsString(QStringLiteral("%"));
            TSTALE.field(QStringLiteral("WARTOSC")).setCurrency(*rate);
            TSTALE.field(QStringLiteral("DATA")).setAsString(environment_.today);
            SaveTable(TSTALE, prompter_);
            if (place.isValid())
                TSTALE.gotoBookmark(place);
        }
        tax = FlatTax(base, *rate);
    } else {
        ScaleConstants scale;
        scale.rate1 = TaxConstantOrZero(TSTALE, 8, "WARTOSC");
        scale.rate2 = TaxConstantOrZero(TSTALE, 9, "WARTOSC");
        scale.rate3 = TaxConstantOrZero(TSTALE, 10, "WARTOSC");
        scale.threshold = TaxConstantOrZero(TSTALE, 11, "WARTOSC");
        scale.reducingAmount = TaxConstantOrZero(TSTALE, 15, "WARTOSC");
        tax = ScaleTax(base, scale);
    }
    setAmount(TDEK, "P47", tax);
}

void TDANE::POLE53()
{
    Money tax = amount(TDEK, "P47");
    for (const char *deduction : {"P48", "P49", "P50", "P52"})
        tax -= amount(TDEK, deduction);
    setAmount(TDEK, "P53", notNegative(tax));
}

void TDANE::POLE55()
{
    const Money paid = amount(TDEK, "P54");
    const Money advance = notNegative(RoundHalfAway(amount(TDEK, "P53") - paid));
    setAmount(TDEK, "P55", advance);
    setAmount(TDEK, "P56", paid + advance);
}

void TDANE::POLE62()
{
    setAmount(TDEK, "P62", amount(TDEK, "P55") - amount(TDEK, "P61"));
}

void TDANE::POLE64()
{
    setAmount(TDEK, "P64", amount(TDEK, "P62") + amount(TDEK, "P63"));
}

// ---- taxpayers ------------------------------------------------------------------------------

bool TDANE::TOSOBAFilterRecord(Cursor &taxpayers)
{
    const Field number = taxpayers.field(QStringLiteral("NR"));
    if (!number.isNull() && number.asInteger() != 0)
        return true;
    return taxpayers.field(QStringLiteral("RP")).asString() == QLatin1String("F");
}

void TDANE::TakeTaxpayerCounter()
{
    TOSOBA.last();
    taxpayerCounter_ = int(TOSOBA.field(QStringLiteral("NR")).asInteger());
}

// A new taxpayer saved without a number would become the firm's own record, which is the
// one record without a number; so it is numbered like one saved with 0.
void TDANE::TOSOBABeforePost(Cursor &taxpayers)
{
    Field number = taxpayers.field(QStringLiteral("NR"));
    const bool unnumberedInsert = number.isNull() && taxpayers.state() == Cursor::State::Insert;
    if (number.asString() == QLatin1String("0") || unnumberedInsert)
        number.setInteger(++taxpayerCounter_);
}

void TDANE::TOSOBAAfterPost(Cursor &taxpayers)
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
    prompter_.warn(text);
}

void TDANE::TSTALEStateChange(Cursor &constants)
{
    if (constantsInsertGuard_ && constants.state() == Cursor::State::Insert)
        constants.cancel();
}
