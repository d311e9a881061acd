#pragma once
// The year's stock-takings ("Spis z natury"), kept in the year table KSIEGA/SPIS.DB: the
// day, the value of the stock and a short description, one stock-taking a day. A year made
// before the table existed has none until the first is added, which makes the table.

#include "platform/money.h"

#include <QList>
#include <QString>

#include <optional>

class Prompter;

struct StockTaking {
    QString date; // "YYYY.MM.DD"
    Money value;
    QString description;
};

// ".../2026/KSIEGA/SPIS" for the year directory ".../2026/".
QString StockTakingTable(const QString &yearDirectory);

// Every stock-taking of the year in date order; none when the year has no table. Throws
// DbError when the table cannot be read.
QList<StockTaking> ReadStockTakings(const QString &yearDirectory);

// A stock-taking as typed: a real date "YYYY.MM.DD" and a value not below zero. Nothing,
// with `error` saying why in Polish, when it cannot be one.
std::optional<StockTaking> TypedStockTaking(const QString &date, const QString &value,
                                            const QString &description, QString &error);

// Writes a new stock-taking; a day that has one already is refused. False, after the
// message, when it was refused or could not be written.
bool AddStockTaking(const QString &yearDirectory, const StockTaking &stockTaking,
                    Prompter &prompter);
// Deletes the stock-taking of `date`; false, after the message, when there is none or it
// could not be deleted.
bool DeleteStockTaking(const QString &yearDirectory, const QString &date, Prompter &prompter);
