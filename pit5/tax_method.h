#pragma once
// The tax method of the current taxpayer: the progressive scale or the flat rate. The
// declaration window locks the positions a flat-rate taxpayer does not fill and hides the
// zone and rental sections.

#include <QStringList>

#include <optional>

class Prompter;
class TDANE;

// The positions a flat-rate taxpayer does not fill.
const QStringList &FlatRateLockedFields();

// Settles the current taxpayer's method: a taxpayer without one is given the scale and
// saved. True for the flat rate; nothing when there are no taxpayers or that save failed.
std::optional<bool> SettleTaxMethod(TDANE &dane, Prompter &prompter);

bool IsFlatRateTaxpayer(TDANE &dane);
// The current taxpayer's revenue is rental (section M) rather than business (section K).
bool IsRentalTaxpayer(TDANE &dane);
