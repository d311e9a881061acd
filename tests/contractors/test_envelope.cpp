// The envelope: its margins file and the address on a "Note" sheet lying on its side.

#include "contractors/envelope_report.h"
#include "platform/print/recording_canvas.h"
#include "tests/support/qt_printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>

class Envelope : public ::testing::Test {
protected:
    QString path(const QString &name) const { return dir.path() + QLatin1Char('/') + name; }

    void writeBytes(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    const CanvasItem *textItem(const QString &text) const
    {
        for (const CanvasItem &item : canvas.items())
            if (item.text == text)
                return &item;
        return nullptr;
    }

    QTemporaryDir dir;
    RecordingCanvas canvas;
    const EnvelopeAddress address{"Zakład Usług Różnych", "Jan Kowalski", "ul. Łąkowa 5",
                                  "00-950", "Warszawa"};
};

TEST_F(Envelope, MarginsFileRoundTripsAsTwoLittleEndianDoubles)
{
    ASSERT_TRUE(writeEnvelopeMargins(path("Margines.dan"), {12.5, 7.25}));
    QFile file(path("Margines.dan"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // 12.5 = 0x4029000000000000, 7.25 = 0x401D000000000000, low byte first.
    EXPECT_EQ(file.readAll(), QByteArray::fromHex("0000000000002940" "0000000000001d40"));
    EXPECT_EQ(readEnvelopeMargins(path("Margines.dan")), (EnvelopeMargins{12.5, 7.25}));
}

TEST_F(Envelope, OnlyTheFirstRecordCounts)
{
    writeBytes("Margines.dan", QByteArray::fromHex("0000000000003440" "0000000000002440"
                                                   "0000000000005940" "0000000000005940"));
    EXPECT_EQ(readEnvelopeMargins(path("Margines.dan")), (EnvelopeMargins{20, 10}));
}

TEST_F(Envelope, MissingShortOrNonsenseFileGivesNoMargins)
{
    EXPECT_FALSE(readEnvelopeMargins(path("Margines.dan")));
    writeBytes("Margines.dan", QByteArray::fromHex("00000000000034400000"));
    EXPECT_FALSE(readEnvelopeMargins(path("Margines.dan")));
    ASSERT_TRUE(writeEnvelopeMargins(path("Margines.dan"),
                                     {std::numeric_limits<double>::quiet_NaN(), 5}));
    EXPECT_FALSE(readEnvelopeMargins(path("Margines.dan")));
    ASSERT_TRUE(writeEnvelopeMargins(path("Margines.dan"), {-3, 5}));
    EXPECT_FALSE(readEnvelopeMargins(path("Margines.dan")));
}

TEST_F(Envelope, FileIsFoundWhateverItsLetterCase)
{
    ASSERT_TRUE(writeEnvelopeMargins(path("MARGINES.DAN"), {1, 2}));
    EXPECT_EQ(envelopeMarginsPath(dir.path()), path("MARGINES.DAN"));
    EXPECT_FALSE(writeEnvelopeMargins(path("brak/Margines.dan"), {1, 2}));
}

TEST_F(Envelope, AddressStandsAtItsPlacesOnALandscapeNoteSheet)
{
    ASSERT_TRUE(printEnvelope(address, path("Margines.dan"), canvas));
    EXPECT_EQ(canvas.jobTitle(), "Etykieta");
    EXPECT_EQ(canvas.pageCount(), 1);
    const PageSetup &sheet = canvas.setupInForce();
    EXPECT_EQ(sheet.pageSizeMm(), QSizeF(279.0, 215.9));
    EXPECT_EQ(sheet.marginsMm, QMarginsF(10, 10, 10, 10));
    const QList<QPair<QString, QPointF>> places = {
        {"Zakład Usług Różnych", {71.4, 145.5}}, {"Jan Kowalski", {71.4, 153.5}},
        {"ul. Łąkowa 5", {71.4, 161.4}},         {"00-950", {74.1, 168.8}},
        {"Warszawa", {105.3, 169.9}},
    };
    ASSERT_EQ(canvas.texts().size(), places.size());
    for (const auto &[text, place] : places) {
        const CanvasItem *item = textItem(text);
        ASSERT_NE(item, nullptr) << text.toStdString();
        EXPECT_NEAR(item->boxMm.left(), place.x(), 1e-9);
        EXPECT_NEAR(item->boxMm.top(), place.y(), 1e-9);
    }
}

TEST_F(Envelope, MarginsFromTheFileMoveTheSheetsTopAndLeft)
{
    ASSERT_TRUE(writeEnvelopeMargins(path("Margines.dan"), {25, 4.5}));
    ASSERT_TRUE(printEnvelope(address, path("Margines.dan"), canvas));
    EXPECT_EQ(canvas.setupInForce().marginsMm, QMarginsF(4.5, 25, 10, 10));
    EXPECT_EQ(canvas.pageCount(), 1);
}
