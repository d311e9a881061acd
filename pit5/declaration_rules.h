#pragma once
// The PIT-5 arithmetic as rules of the declaration cursor, each run when its trigger field
// gets a value, so that a value typed, imported or copied carries through the whole form;
// and the rules of the taxpayer view. Installed on the data module's cursors.

class TDANE;

void installDeclarationRules(TDANE &dane);

// A new taxpayer takes the number after the last one seen when it was started.
void TakeTaxpayerCounter(TDANE &dane);
// While on, an insert started on the constants cursor is cancelled at once (the constants
// window offers no new records); the declaration's own flat-rate record still goes in.
void setConstantsInsertGuard(TDANE &dane, bool on);
