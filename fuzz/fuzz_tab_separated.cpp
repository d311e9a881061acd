// A file offered to the table import, as any program or a damaged disk may leave it. Whatever
// the bytes, the reader gives a header and numbered lines; each line written back in the
// file's own form and read again gives the same values (as a line can carry them), so an
// export of what was imported is the file the user gave.

#include "fuzz_support.h"

#include "maintenance/tab_separated_text.h"

#include <algorithm>

namespace {

QStringList asLineCarriesThem(const QStringList &values)
{
    QStringList carried;
    carried.reserve(values.size());
    std::transform(values.cbegin(), values.cend(), std::back_inserter(carried), LineValue);
    return carried;
}

void checkRoundTrip(const QStringList &values, TabSeparatedLineWriter &writer,
                    const QByteArray &input)
{
    bool lossy = false;
    const QByteArray written = writer.line(values, lossy);
    FUZZ_EXPECT(written.endsWith("\r\n"), QString::fromLatin1(written.toHex()));
    if (lossy)
        return;
    const TabSeparatedText again = ReadTabSeparatedText(written);
    FUZZ_EXPECT(again.header == asLineCarriesThem(values),
                QStringLiteral("from %1").arg(QString::fromLatin1(input.left(64).toHex())));
    FUZZ_EXPECT(again.lines.isEmpty(), QString::fromLatin1(written.toHex()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const TabSeparatedText text = ReadTabSeparatedText(bytes);
    const qsizetype lineCount = bytes.count('\n') + 1;
    TabSeparatedLineWriter writer;
    checkRoundTrip(text.header, writer, bytes);
    int previous = 1;
    for (const TabSeparatedLine &line : text.lines) {
        FUZZ_EXPECT(line.number > previous && line.number <= lineCount,
                    QStringLiteral("line %1 after %2").arg(line.number).arg(previous));
        FUZZ_EXPECT(!line.values.isEmpty(), QString::number(line.number));
        previous = line.number;
        checkRoundTrip(line.values, writer, bytes);
    }
    GuessTextCoding(bytes);
    return 0;
}
