#pragma once
// The contractor catalogue's record commands, shared by the catalogue window, the command
// line and tests: adding with the next number, saving, deleting together with the
// description, the short-name default and the count shown in the status bar. Every
// operation reports its failures through the prompter and leaves the tables usable.

#include <QString>
#include <QStringList>

#include <optional>

class Cursor;
class Prompter;
class TDANE;

// The fields of a contractor a user fills, in the order of the edit panel; the number is
// given by the catalogue, never typed.
const QStringList &ContractorEditFields();

// Saves a pending record, then appends one numbered after the highest number (00001 in an
// empty catalogue) and saves it at once, so the contractor exists before anything else is
// typed. The catalogue is left in number order on the new record. Nothing when the highest
// number is already 99999 (refused with a message) or when a save failed.
[[nodiscard]] std::optional<qint64> AddContractor(TDANE &dane, Prompter &prompter);
// The same, but the new record is left in insert state for its fields to be set before the
// one save, so that a failed save leaves no empty contractor behind.
[[nodiscard]] std::optional<qint64> AppendContractor(TDANE &dane, Prompter &prompter);

// "Zapisz": the pending record onto the disk. False when the save was refused.
[[nodiscard]] bool SaveContractor(TDANE &dane, Prompter &prompter);

// Asks "Usuń rekord"; on OK deletes the description record of the current contractor (when
// the description table is open) and then the contractor. True when it was deleted.
[[nodiscard]] bool DeleteContractor(TDANE &dane, Prompter &prompter);

// What leaving the full-name box does: an empty short name takes the full name, cut to the
// short name's size. A short name already there is kept.
void ApplyShortNameDefault(Cursor &contractors);

// Assigns a field as typed and then runs what leaving its box runs; the record goes into
// edit state first. Throws DbError for a field the table does not have.
void SetContractorField(Cursor &contractors, const QString &field, const QString &value);

// Goes to the contractor of that number (number order is selected); false when there is none.
bool FindContractor(Cursor &contractors, qint64 number);

// The status bar's first panel: "Ilość pozycji  " and the number of contractors.
QString ContractorCountText(const Cursor &contractors);
