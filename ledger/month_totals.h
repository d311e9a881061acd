#pragma once
// The ten column totals of posting (ledger columns 7 to 16, fields K7..K16) and the three
// ratios derived from them. Totals are exact; a ratio is rounded to two decimals half away
// from zero, and has no value at all when its denominator is not above zero.

#include "platform/cursor.h"
#include "platform/money.h"

#include <array>
#include <optional>

class MonthTotals {
public:
    static constexpr int FirstColumn = 7;
    static constexpr int LastColumn = 16;

    // "K7".."K16", the fields posting adds up in the ledger and writes into a sums row.
    static const QStringList &fieldNames();
    // Handles on those fields of a cursor, read again for each record it stands on.
    static QList<Field> fieldsOf(Cursor &cursor);

    // Adds the record the fields speak of; a blank amount counts as 0.
    void add(const QList<Field> &fields);
    // Adds every record the cursor reaches.
    void addReachable(Cursor &cursor);

    Money column(int number) const { return sums_[number - FirstColumn]; }

    // "Wskaźnik zyskowności [%]": (K9 − K10 − K11 − K15) × 100 / K9.
    std::optional<double> profitability() const;
    // "Marża do zakupu [%]": (K9 − K10 − K11) × 100 / (K10 + K11).
    std::optional<double> marginOnPurchases() const;
    // "Marża do obrotu [%]": (K9 − K10 − K11) × 100 / K9.
    std::optional<double> marginOnTurnover() const;

    // Sets K7..K16 and W1..W3 of the sums row the cursor is editing.
    void writeInto(Cursor &sums) const;

private:
    std::array<Money, LastColumn - FirstColumn + 1> sums_{};
};

// numerator × 100 / denominator, exactly, rounded to two decimals half away from zero (1,005 %
// gives 1,01 %, which a double holding 1.00499999... would not); nothing when the denominator
// is not above zero.
std::optional<double> RatioPercent(Money numerator, Money denominator);
