#pragma once
// The columns of the ledger grid and their headings, for each form of the book. The grid
// starts with the book's own multi-line titles; the heading toggle then switches between the
// full layout (titles wrapped over five lines under their group headers) and one-line column
// numbers. Line breaks inside the titles are "\r", as everywhere in the program's texts.

#include "core/book_form.h"

#include <QList>
#include <QString>

struct LedgerColumn {
    QString field;
    QString title;     // at start
    QString group;     // at start
    QString full;      // heading layout 1
    QString fullGroup; // heading layout 1; layout 2 has no group headers
    QString brief;     // heading layout 2
    int widthCharacters = 12; // in characters of the grid's font
};

// The seventeen-column book shows its sixteen numbered columns and the KSeF number last,
// unnumbered; the nineteen-column book numbers the KSeF number 3 and the contractor's tax
// identifier 5. Neither shows the remarks, which stand below the grid.
const QList<LedgerColumn> &LedgerColumns(BookForm form);

enum class HeadingLayout { Full = 1, Brief = 2 };

// The title lines the full layout reserves; the brief layout has one.
inline constexpr int FullHeadingLines = 5;
