#pragma once
// Finding and ordering contractors the way the catalogue's search boxes and column titles
// do: each column has its index, and the index chosen last stays in force, so the grid
// stays sorted by the column searched or clicked last.

#include <QString>

#include <optional>

class Cursor;
class Prompter;

enum class ContractorColumn { Number, Nip, ShortName, Place };

// Primary (empty name), "Ninx", "Sinx", "Minx".
QString ContractorIndexName(ContractorColumn column);

// The grid's columns, counted from 1: number, NIP, short name, place; nothing for others.
std::optional<ContractorColumn> ContractorColumnAt(int column);

// Selects the column's index and moves to the first contractor whose key is equal to or
// follows the text typed so far. A number box holding anything but digits only selects the
// order: it finds nothing and moves nowhere. A pending record is saved first; a refused
// save is reported and nothing moves.
void SearchContractors(Cursor &contractors, ContractorColumn column, const QString &typed,
                       Prompter &prompter);

// A click on a column title: that column's order; the current record stays current.
void SortContractors(Cursor &contractors, ContractorColumn column, Prompter &prompter);
