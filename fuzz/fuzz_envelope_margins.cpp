// "Margines.dan" as any program or a damaged disk may leave it, and the margin the user
// types in the margins dialog. A file is either refused or gives two margins a sheet can
// have, which written back make the same first record; a typed margin is either refused or
// a margin whose shown text reads back as the same text.

#include "fuzz_support.h"

#include "contractors/envelope_margin_entry.h"
#include "contractors/envelope_margins.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>

namespace {

const QString &marginsFile()
{
    static QTemporaryDir folder;
    static const QString path = envelopeMarginsPath(folder.path());
    return path;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void checkFile(const QByteArray &bytes)
{
    const QString &path = marginsFile();
    QFile file(path);
    FUZZ_EXPECT(file.open(QIODevice::WriteOnly | QIODevice::Truncate)
                    && file.write(bytes) == bytes.size(),
                path);
    file.close();
    const auto margins = readEnvelopeMargins(path);
    if (!margins)
        return;
    const QString detail = QStringLiteral("%1 / %2 from %3")
                               .arg(margins->topMm).arg(margins->leftMm)
                               .arg(QString::fromLatin1(bytes.left(16).toHex()));
    FUZZ_EXPECT(std::isfinite(margins->topMm) && margins->topMm >= 0, detail);
    FUZZ_EXPECT(std::isfinite(margins->leftMm) && margins->leftMm >= 0, detail);
    FUZZ_EXPECT(writeEnvelopeMargins(path, *margins), detail);
    FUZZ_EXPECT(fileBytes(path) == bytes.left(16), detail);
    FUZZ_EXPECT(readEnvelopeMargins(path) == margins, detail);
}

void checkTyped(const QString &typed)
{
    const auto millimetres = ParseMarginText(typed);
    if (!millimetres)
        return;
    FUZZ_EXPECT(std::isfinite(*millimetres) && *millimetres >= 0, typed);
    const QString text = MarginText(*millimetres);
    const auto again = ParseMarginText(text);
    FUZZ_EXPECT(again && MarginText(*again) == text,
                typed + QStringLiteral(" shown as ") + text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkFile(fuzzBytes(data, size));
    checkTyped(fuzzText(data, size));
    return 0;
}
