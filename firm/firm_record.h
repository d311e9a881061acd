#pragma once
// The firm record — the one record of FIRMA without a number (taxpayers carry numbers) —
// and the parameter record, as the firm data window and the command line use them.

#include <QString>

class Cursor;
class TDANE;
struct FirmFormField;

// Switches the firm cursor's filter on and stands on the firm record. False when the firm
// table is not open. With no firm record the cursor stands on nothing; the first field typed
// then makes one.
bool GoToFirmRecord(Cursor &firm);

// SKROT of the firm record; empty when the table is closed or holds no firm record.
QString FirmShortName(TDANE &dane);

// Sets one field of the firm window from text, as typing it and leaving its box would: a
// seat-address field then completes the residence address. Throws DbError, worded for the
// user, when the text does not fit the field.
void SetFirmField(TDANE &dane, const FirmFormField &field, const QString &value);

// Closing the firm window: the firm record and the parameter record are saved. False, after
// the message, when either could not be: then neither is saved, the record that failed is
// dropped and the other may still be being edited.
[[nodiscard]] bool SaveFirmData(TDANE &dane);
// Dropping what was typed since the last save, for a change that cannot be completed.
void CancelFirmData(TDANE &dane);

// After the firm window has closed: the parameter record is read again and the firm's short
// name returned for the main window's caption and the printouts' page headers.
QString FirmDataClosed(TDANE &dane);

// The main window's caption: the program's title, a space and the firm's short name.
QString MainWindowCaption(const QString &applicationTitle, const QString &shortName);
