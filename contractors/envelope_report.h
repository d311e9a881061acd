#pragma once
// The envelope of a contractor: its name, street, postal code and place printed onto an
// envelope fed as a "Note" sheet lying on its side. The margins of "Margines.dan" move the
// whole address; without that file the sheet keeps 10 mm margins.

#include "contractors/envelope_margins.h"
#include "platform/print/report.h"

#include <QString>

#include <optional>

class Cursor;
class PageCanvas;

struct EnvelopeAddress {
    QString NAZWA1;
    QString NAZWA2;
    QString UL;
    QString KOD;
    QString MIEJSC;
};

// The address of the contractor the catalogue cursor stands on.
EnvelopeAddress envelopeAddressOf(Cursor &contractors);

// The envelope report ("Etykieta"): one page, one title band with the five fields.
class Tetykieta {
public:
    Tetykieta(const EnvelopeAddress &address, const std::optional<EnvelopeMargins> &margins);

    Report &report() { return report_; }

private:
    Report report_;
};

// The envelope straight onto the canvas, without a preview, with the margins of the file
// when it can be read. False when the printer could not be opened.
bool printEnvelope(const EnvelopeAddress &address, const QString &marginsPath,
                   PageCanvas &canvas);
