#pragma once
// The columns of the printed ledger described as data: what each column is called, how wide
// it is and what a row of the book prints in it. The pages are drawn from this description
// alone, so a book of another shape is a second description beside the first.

#include "core/book_form.h"

#include <QList>
#include <QString>
#include <QStringList>

// What a row's text too long for its cell does; none runs over the next column.
enum class LongText {
    Shrink, // prints in a smaller size of the row's type
    Cut,    // ends after its last whole character that fits, "…" marking the cut
    Wrap,   // the column's top fields run over both lines of the row, the last line cut
};

struct LedgerBookColumn {
    QString number;      // printed under the captions; neighbours with the same number share it
    QStringList caption; // its lines, top to bottom
    double widthMm = 0;
    QString group;       // caption of a box over several neighbouring columns ("KONTRAHENT")
    // A row prints these fields' texts, each line's fields joined by a space.
    QStringList topFields;
    QStringList bottomFields;
    // A column of amounts: the row's amount, its page, year-to-date and month totals, and the
    // unit captions "zł" and "gr" under its caption.
    QString amountField;
    bool blankWhenZero = false; // its totals print nothing when zero
    // The texts print only when this amount is zero (`whenZero`) or when it is not.
    QString conditionField;
    bool whenZero = false;
    bool smallType = false;
    LongText longText = LongText::Shrink;
};

struct LedgerBookHalf {
    QList<LedgerBookColumn> columns;
    // The half that names the rows of totals in its right-hand box; the other prints them.
    bool namesTotals = false;
};

struct LedgerBookLayout {
    LedgerBookHalf first;  // the left-hand page of the bound book
    LedgerBookHalf second; // the right-hand page
};

// Columns 1 to 17 of the book: 1 to 6 on the first half, 7 to 17 on the second.
const LedgerBookLayout &SeventeenColumnBook();
// The book of the 2026 regulation: columns 1 to 8 (with the KSeF number and the contractor's
// tax identifier) on the first half, the amounts as 9 to 19 on the second.
const LedgerBookLayout &NineteenColumnBook();
const LedgerBookLayout &LedgerBookOf(BookForm form);
