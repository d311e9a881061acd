#include "contractors/envelope_report.h"

#include "platform/cursor.h"

EnvelopeAddress envelopeAddressOf(Cursor &contractors)
{
    return EnvelopeAddress{contractors.field(QStringLiteral("NAZWA1")).asString(),
                           contractors.field(QStringLiteral("NAZWA2")).asString(),
                           contractors.field(QStringLiteral("UL")).asString(),
                           contractors.field(QStringLiteral("KOD")).asString(),
                           contractors.field(QStringLiteral("MIEJSC")).asString()};
}

// Positions on the band, in millimetres, where the window of a standard envelope falls.
static constexpr double LineHeightMm = 6.0;
static constexpr double NameWidthMm = 150.0;
static constexpr double PostalCodeWidthMm = 30.0;
static constexpr double BandHeightMm = 176.0;

Tetykieta::Tetykieta(const EnvelopeAddress &address, const std::optional<EnvelopeMargins> &margins)
    : report_(PageSetup::note(PageOrientation::Landscape))
{
    report_.setTitle(QStringLiteral("Etykieta"));
    if (margins) {
        report_.pageSetup().marginsMm.setTop(margins->topMm);
        report_.pageSetup().marginsMm.setLeft(margins->leftMm);
    }
    PrintFont font;
    font.pointSize = 12;
    ReportBand &title = report_.addBand(BandKind::Title, BandHeightMm);
    title.addLabel({71.4, 145.5, NameWidthMm, LineHeightMm}, address.NAZWA1, font);
    title.addLabel({71.4, 153.5, NameWidthMm, LineHeightMm}, address.NAZWA2, font);
    title.addLabel({71.4, 161.4, NameWidthMm, LineHeightMm}, address.UL, font);
    title.addLabel({74.1, 168.8, PostalCodeWidthMm, LineHeightMm}, address.KOD, font);
    title.addLabel({105.3, 169.9, NameWidthMm, LineHeightMm}, address.MIEJSC, font);
}

bool printEnvelope(const EnvelopeAddress &address, const QString &marginsPath,
                   PageCanvas &canvas)
{
    Tetykieta envelope(address, readEnvelopeMargins(marginsPath));
    return envelope.report().print(canvas);
}
