#pragma once
// A data grid as the table printer sees it: the cursor it shows, its columns in screen
// order and the rows the user selected.

#include "platform/cursor.h"

#include <QList>
#include <QString>

#include <functional>

struct GridColumn {
    QString fieldName;
    QString title;
    int widthPixels = 64;
    bool visible = true;
    QString groupHeading;     // a heading spanning the adjacent columns that share it
    Qt::Alignment alignment = Qt::AlignLeft;
    // The text the grid shows for the field; unset, amounts show with two decimals and
    // everything else as the field reads.
    std::function<QString(Field)> displayText;
};

struct PrintGrid {
    Cursor &data;
    QList<GridColumn> columns;
    QList<Cursor::Bookmark> selectedRows; // in the order the user selected them
};
