#pragma once
// The range of amounts: what a person, an import or a script may write into a currency
// field, and the failure of a calculation whose result no amount holds.

#include "platform/db_error.h"

#include <QtGlobal>

// 99 999 999 999,99 zł in 1/10000 zł, the most the printed masks show. The 64 bits of an
// amount hold the sum of over nine thousand such amounts.
inline constexpr qint64 LargestEnteredUnits = 999'999'999'999'900;

constexpr bool IsWithinEnteredRange(qint64 units)
{
    return units >= -LargestEnteredUnits && units <= LargestEnteredUnits;
}

class AmountOverflow : public DbError {
public:
    AmountOverflow();
    // `result` names what was being calculated, in the genitive: "pola P47", "sumy kolumny 7".
    explicit AmountOverflow(const QString &result);

    bool namesResult() const { return namesResult_; }

private:
    bool namesResult_ = false;
};

[[noreturn]] void throwAmountOverflow();

// What `calculation` returns; an overflow inside it that names no result yet is reported as
// the overflow of `result`, so the user learns which field or total could not be calculated.
template <class Calculation>
auto CalculatedAmount(const QString &result, Calculation &&calculation) -> decltype(calculation())
{
    try {
        return calculation();
    } catch (const AmountOverflow &overflow) {
        if (overflow.namesResult())
            throw;
        throw AmountOverflow(result);
    }
}
