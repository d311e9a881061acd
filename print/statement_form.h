#pragma once
// The statement "OŚWIADCZENIE" a taxpayer hands in when he chooses the general rules and the
// ledger: a one-page form with the sixteen values typed on its window. Nothing is stored.

#include <QList>
#include <QString>
#include <QStringList>

class Report;

struct StatementField {
    QString name;    // how the command line names it
    QString caption; // the label on the form's window
};

// The sixteen values in the form's order: year, name, residence (two lines), NIP, PESEL,
// REGON, seat (two lines), kind of activity, partnership NIP, partners 1 to 4, date.
const QList<StatementField> &StatementFields();

// Fills `report` with the form; `values` holds one text per field, in order, and is read
// while the report prints, so it outlives the report's prints.
void BuildStatementForm(Report &report, const QStringList &values);
