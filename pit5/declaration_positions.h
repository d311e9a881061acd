#pragma once
// The positions of the PIT-5 form as the declaration window lays them out: every box with
// its field, caption, page, section group and place in the group's grid. The window builds
// its pages from this one table, so a caption or a place is changed here and nowhere else.

#include <QList>
#include <QString>

enum class PositionKind {
    Text,   // a line of text
    Amount, // currency, right-aligned
    Share,  // a percentage
    Count,  // a whole number
    Memo,   // several lines of text
    Rule,   // the rule of taxation: three choices, 0..2
    Label,  // no field: a column heading, a row name or a note
};

struct DeclarationPage {
    QString title;   // on the page's tab
    QString heading; // above the page's groups; may be empty
    QString note;    // under the heading; may be empty
};

struct DeclarationGroup {
    int page;                // index into DeclarationPages()
    QString title;
    bool hiddenForFlatRate;  // the zone and rental sections
};

struct DeclarationPosition {
    QString field;   // empty for a label
    QString caption; // "\n" separates lines
    int group;       // index into DeclarationGroups()
    int row;
    int column;
    PositionKind kind;
    int columnSpan = 1;
    QString inputMask = {};
    int maxLength = 0; // 0: the field's own size
};

// "Dane o firmie", "C - D", "E    ", "F - I", "J1", "J4", "K", "L", "M - O".
const QList<DeclarationPage> &DeclarationPages();
const QList<DeclarationGroup> &DeclarationGroups();
const QList<DeclarationPosition> &DeclarationPositions();

// The position of a field on the window's pages; none for a field the window does not show.
const DeclarationPosition *PositionOf(const QString &field);

// Section C's column headings and row names, and the note under section D.
const QStringList &IncomeColumns();
const QStringList &IncomeRows();
QString LossesLimitNote();

// The three rules of taxation of section L, in the order of their values.
const QStringList &TaxationRules();
