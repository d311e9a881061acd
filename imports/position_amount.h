#pragma once
// What one invoice position adds to the ledger: its column ("KOL10" → 10) and its amount.
// The amount depends on the register: a "W" register books the VAT, an "X" register the
// gross less the VAT, a "Z" register the gross, every other the net; a purchase register
// ("C", "D") books the net plus the part of the VAT the firm may not deduct.
//
// Deduction share of a "C" register, from the position's VAT declaration code `DEK`:
//   blank → 100 %;  "V" + kind + asset + share digit: "0" → 0 %, "5" → 50 %, else 100 %;
//   "D.43" counts as "VXP1";  a code starting "F" or "S", or "C.32" → 0 %;  else 100 %.
// A "D" register always deducts 100 %. At 50 % the half of the VAT is rounded to the grosz
// and the whole then taken at 75 %, kept to 1/10000 zł.

#include "platform/money.h"

#include <QString>

#include <optional>

struct InvoicePosition {
    QString registerCode; // `RD` of the position
    QString account;      // `KKONTO`
    QString declarationCode; // `DEK`
    Money net;
    Money vat;
    Money gross;
};

// The ledger column of a position whose `KKONTO` begins with "KOL": all its digits as one
// number (0 when there are none); nothing for any other position, which the import skips.
std::optional<int> PositionColumn(const QString &account);

// The share of the VAT the firm deducts, in percent: 0, 50 or 100.
int VatDeductionShare(const QString &registerCode, const QString &declarationCode);

// The amount the position books in a register whose code is `registerCode`.
Money PositionAmount(const QString &registerCode, const InvoicePosition &position);

// The base of a position in the monthly sales summary (the VAT in a "W" register, else the
// net) at the invoice's exchange rate, kept to 1/10000 zł. A rate that is not above zero
// counts as 1.
Money SummaryAmount(const InvoicePosition &position, Money rate);
