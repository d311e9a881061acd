#pragma once
// A sample firm's contractors and three months of ledger entries, so that a new user can try
// every function before typing their own data.

#include <QList>
#include <QPair>
#include <QString>

class Cursor;

struct DemoContractor {
    int number;
    const char *nip;
    const char *shortName;
    const char *name;
    const char *postalCode;
    const char *town;
    const char *street;
};

// The sample firm's customers and suppliers, which the companion programs' sample invoices
// name as well.
const QList<DemoContractor> &DemoContractors();

// The sample firm's seat, where its owner lives too: the firm record's address fields
// (ULICA, NUMER, KOD, MIEJSCOWOSC, POCZTA, WOJEWODZTWO, POWIAT, GMINA) and their values.
const QList<QPair<QString, QString>> &DemoFirmSeat();

void writeDemoContractors(Cursor &contractors);
void writeDemoEntries(Cursor &ledger, const QString &year, const QString &userName);
