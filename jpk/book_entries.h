#pragma once
// The entries of the year's book as the structured file takes them, read in entry-number
// order with one query of the book's table, without the data module's cursor, so that the
// ledger window's view stays as it is while a file is written, and every entry comes from
// the same state of the book.

#include "platform/money.h"

#include <QString>

#include <functional>

struct BookEntry {
    qint64 number = 0; // LP
    QString date;      // DATA as stored, "YYYY.MM.DD"
    QString document;  // NRKSIEG
    QString ksef;
    QString nip;
    QString name;        // NAZ1 and NAZ2
    QString address;     // KOD, MIEJSC, UL
    QString description; // OPIS1 and OPIS2
    QString remarks;     // UWAGI
    Money k7, k8, k10, k11, k12, k13, k16, k17;

    Money k9() const { return k7 + k8; }
    Money k14() const { return k12 + k13; }
};

// Calls `visit` for every entry of months `fromMonth`..`toMonth` (1..12) of the book in
// `yearDirectory`, in entry-number order. Throws DbError when the book cannot be read.
void ForEachBookEntry(const QString &yearDirectory, int fromMonth, int toMonth,
                      const std::function<void(const BookEntry &)> &visit);
