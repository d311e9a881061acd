#pragma once
// The parts of the printed form that the scale and the flat-rate pages share. Each takes
// the builder of its page and says where it ended, for the next part to go on from there.

#include "pit5/form_geometry.h"

#include <QStringList>

// The section heading, page heading and note the declaration window shows over a field.
QString SectionOf(const QString &field);
QString PageHeadingOf(const QString &field);
QString PageNoteOf(const QString &field);

// The field named by a letter and a number: 'P', 19 → "P19"; and `count` fields from there.
QString FormField(char letter, int number);
QStringList FormFields(char letter, int first, int count);

// Page 1 down to section B: NIP, month, tax office and the taxpayer. `boxed` draws the
// fields of one character per box as rows of boxes.
double IdentificationPart(FormPageBuilder &page, const QString &formName, bool boxed);
// Section C with its first `rows` rows (business, rental, total), at the form's own places.
double IncomePart(FormPageBuilder &page, int rows);
// A section heading and an amount row for each field under it.
double AmountsPart(FormPageBuilder &page, double top, const QString &heading,
                   const QStringList &fields);
// Sections J.3 to J.5: the advance due, its limitation by the tax office, the amount to pay.
double AdvancePart(FormPageBuilder &page, double top);
// A business the taxpayer has a share in, fields in the order NIP, REGON, name, place,
// share, revenue, costs, income, loss; NIP and REGON boxed when `boxed`.
double ShareRowPart(FormPageBuilder &page, double top, const QString &row,
                    const QStringList &fields, bool boxed);
// Section N: a box for each annex count.
double AnnexesPart(FormPageBuilder &page, double top, const QStringList &fields);
