#pragma once
// "Adresowanie kopert": the envelope of the contractor the catalogue stands on, straight
// onto the chosen printer, moved by the margins of "Margines.dan" when it can be read.

#include <QString>

class Cursor;
class Prompter;
class PrinterList;

// "Margines.dan" in the program's working directory.
QString EnvelopeMarginsFile();

// False, with the reason reported, when there is no contractor, no printer, the printer
// could not be opened, or it does not take the envelope's sheet.
bool PrintContractorEnvelope(Cursor &contractors, PrinterList &printers,
                             const QString &marginsPath, Prompter &prompter);
