#pragma once
// The contractor's tax identifier as the book's entry holds it in `NIP`: an identifier that
// begins with two letters ("DE123456789") carries its country code in them, any other is
// Polish. The structured file wants the country and the identifier apart, without the
// dashes and spaces people type.

#include <QString>

#include <optional>

struct TaxIdentifier {
    QString country; // "PL", "DE", ...
    QString number;  // without dashes, spaces or the country prefix
};

// Nothing when the entry holds no identifier.
std::optional<TaxIdentifier> ContractorTaxIdentifier(const QString &nip);
