#include "contractors/envelope_margins.h"

#include "platform/paths.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <cmath>
#include <cstring>

static constexpr qint64 RecordSize = 16;

QString envelopeMarginsPath(const QString &directory)
{
    return resolvePath(withTrailingSlash(directory) + QStringLiteral("Margines.dan"));
}

static double readDouble(const char *bytes)
{
    const quint64 bits = qFromLittleEndian<quint64>(bytes);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

static void writeDouble(char *bytes, double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian(bits, bytes);
}

static bool usableMargin(double millimetres)
{
    return std::isfinite(millimetres) && millimetres >= 0;
}

std::optional<EnvelopeMargins> readEnvelopeMargins(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray record = file.read(RecordSize);
    if (record.size() < RecordSize)
        return std::nullopt;
    const EnvelopeMargins margins{readDouble(record.constData()),
                                  readDouble(record.constData() + 8)};
    if (!usableMargin(margins.topMm) || !usableMargin(margins.leftMm))
        return std::nullopt;
    return margins;
}

bool writeEnvelopeMargins(const QString &path, const EnvelopeMargins &margins)
{
    QByteArray record(RecordSize, '\0');
    writeDouble(record.data(), margins.topMm);
    writeDouble(record.data() + 8, margins.leftMm);
    // A crash half-way must not leave a short file that would lose both margins.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return file.write(record) == RecordSize && file.commit();
}
