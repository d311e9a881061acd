#pragma once
// One page of the printed declaration as a report: a single band over the whole sheet with
// the picture of the form page under the values of the declaration the cursor stands on.
// Both come from the page's table, so every value stands in its own box.

#include "pit5/form_geometry.h"
#include "platform/money.h"

#include <functional>

class Field;
class Report;
class Cursor;

// Fills `report` with the page; the picture prints only while `picture` says so.
void BuildDeclarationPageReport(Report &report, const FormPage &page, Cursor &declarations,
                                std::function<bool()> picture);

// What a box prints of its field: a blank field prints nothing (and no mark).
QString FormValueText(const FormBox &box, const Field &field);
// "### ### ##0.00": 5169.92 → "5 169,92".
QString FormAmountText(Money amount);
// Every character followed by three blanks, so that each falls into its own box.
QString BoxedCharacters(const QString &text);
