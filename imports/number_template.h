#pragma once
// Document numbers built from a record of a companion program's table, for ledger entries
// made by the imports. A template is text with fields in brackets:
//   "FV/[NRD]/[mc]/[ROK]"  →  "FV/15/IV/2019"
//   "[NRD{100}]"           →  the field's whole number plus 100: "115"
//   "[MC]"                 →  the month of the record's DATA as two digits: "04"
//   "[mc]"                 →  the same month as a roman numeral: "IV"
// Any other name in brackets gives the field's text; a name that is no field of the record
// gives nothing. Braces and closing brackets outside a bracket are ordinary text.

#include <QString>

class Cursor;

QString ExpandNumberTemplate(Cursor &record, const QString &numberTemplate);
