#pragma once
// The firm's seat address fills its residence address: most owners live where the firm is
// registered, so leaving a seat field copies it to the residence field still left empty, and
// the post office names the district, commune and town until the user says otherwise.
// Nothing typed by the user is ever overwritten, and the residence never flows back.

#include <QString>
#include <QStringList>

class Cursor;

// ULICA, NUMER, LOKAL, KOD, POCZTA, WOJEWODZTWO, KRAJ, POWIAT, GMINA, MIEJSCOWOSC.
const QStringList &SeatAddressFields();
bool IsSeatAddressField(const QString &fieldName);

// Run when the user leaves the seat field `seatField` of the firm record (puts the record
// into edit state). A name that is not a seat field changes nothing.
void CompleteAddress(Cursor &firm, const QString &seatField);
