#pragma once
// The rules of the invoicing program's tables that the register imports read: the register
// filter takes the sales registers, or the purchase registers while a purchase import runs,
// and the invoice headers of the working month; the headers follow the register and the
// positions follow their header, leaving out those the invoicing program made itself.

class TDANE;

void installImportRules(TDANE &dane);

// On while a purchase import reads the registers.
void setPurchaseImport(TDANE &dane, bool on);
