#pragma once
// The envelope margins kept in "Margines.dan" in the program's working directory: records
// of 16 bytes, of which only the first is used — the top margin, then the left margin, in
// millimetres, each a little-endian IEEE 754 double.

#include <QString>

#include <optional>

struct EnvelopeMargins {
    double topMm = 0;
    double leftMm = 0;

    bool operator==(const EnvelopeMargins &) const = default;
};

// "Margines.dan" in the directory, found whatever the letter case on disk.
QString envelopeMarginsPath(const QString &directory);

// Nothing when the file is missing, shorter than one record, or holds margins no sheet can
// have (negative, not a number).
std::optional<EnvelopeMargins> readEnvelopeMargins(const QString &path);

// Creates or overwrites the file with one record; false when it cannot be written.
bool writeEnvelopeMargins(const QString &path, const EnvelopeMargins &margins);
