#pragma once
// The rows one invoice turns into: one per position that names a ledger column, each with
// the column's description, the position's name and the amount in the column's slot. Rows
// of one invoice may be collapsed into its first row, which then holds every amount.
//
// At most 500 rows: a further position is reported and overwrites the last row, as the
// invoicing program's largest invoice never reaches it and nothing may be lost silently.

#include "platform/money.h"

#include <QString>
#include <QVector>

#include <array>

class Prompter;

inline constexpr int ImportRowLimit = 500;
inline const QString ImportRowLimitText = QStringLiteral("Przekroczona tablica importu pozycji.");

// The amount slots of a row, named after the ledger fields they fill.
enum class Slot { K7, K8, K10, K11, K12, K13, K16 };
inline constexpr int SlotCount = 7;
QString SlotField(Slot slot);

struct ImportRow {
    QString description; // the column's own words, 30 signs at most
    QString name;        // the position's name, 30 signs at most
    std::array<Money, SlotCount> amounts{};
};

class ImportRows {
public:
    void clear() { rows_.clear(); }
    // A position of column `column` with its `name` and `amount`.
    void add(int column, const QString &name, Money amount, Prompter &prompter);
    // Rows 2..n added into row 1, which keeps its description and name.
    void collapse();
    const QVector<ImportRow> &rows() const { return rows_; }

private:
    QVector<ImportRow> rows_;
};
