#pragma once
// The seventeen columns of the ledger grid and their headings. The grid starts with the
// book's own multi-line titles; the heading toggle then switches between the full layout
// (titles wrapped over five lines under their group headers) and one-line column numbers.
// Line breaks inside the titles are "\r", as everywhere in the program's texts.

#include <QList>
#include <QString>

struct LedgerColumn {
    QString field;
    QString title;  // at start
    QString group;     // at start
    QString full;      // heading layout 1
    QString fullGroup; // heading layout 1; layout 2 has no group headers
    QString brief;     // heading layout 2
};

const QList<LedgerColumn> &LedgerColumns();

enum class HeadingLayout { Full = 1, Brief = 2 };

// The title lines the full layout reserves; the brief layout has one.
inline constexpr int FullHeadingLines = 5;
