#pragma once
// The contractor number: an integer field that people see and type as five digits, so the
// catalogue can only hand out numbers up to 99999.

#include <QString>

#include <optional>

inline constexpr qint64 HighestContractorNumber = 99999;

// "00042"
QString ContractorNumberText(qint64 number);

// A number as typed into a five-digit box: blanks removed, then one to five digits.
// Nothing for anything else, an empty box included.
std::optional<qint64> ParseContractorNumber(const QString &typed);
