#pragma once
// Ledger entries as a script or a user would type them at the largest amount a box takes:
// enough of them in one month that their sum passes what 64 bits of 1/10000 zł hold. The
// SQL is run on KSIEGA.DB from outside the program; every value lies within the typed range.

#include <QString>

// 9 224 × 99 999 999 999,99 zł is just over 2^63 units.
inline constexpr int EntriesPastTheUnits = 9224;

// Entries numbered 1..count in `month` ("01"), dated `day` ("2026.01.15"), K7 at its largest.
inline QString MaximalEntriesSql(const QString &month, const QString &day, int count = EntriesPastTheUnits)
{
    return QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                          "INSERT INTO KSIEGA (LP, MC, DATA, NRKSIEG, K7) "
                          "SELECT i, '%2', '%3', 'FV/' || i, 999999999999900 FROM n")
        .arg(count)
        .arg(month, day);
}
