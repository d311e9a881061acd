#pragma once
// What every fuzz target shares: the input as bytes or text, and the check of a property.
// A property that does not hold aborts, which libFuzzer treats as a crash: it keeps the input
// in a file and the run fails, so a wrong result is found as surely as a wild write.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Invalid UTF-8 becomes replacement characters, as a command line read by Qt does.
inline QString fuzzText(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(fuzzBytes(data, size));
}

[[noreturn]] inline void fuzzPropertyFailed(const char *property, const QString &detail,
                                            const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: property does not hold: %s\n%s\n", file, line, property,
                 detail.toUtf8().constData());
    std::abort();
}

// FUZZ_EXPECT(condition, detail): `detail` (a QString) says which values broke it.
#define FUZZ_EXPECT(condition, detail)                                                      \
    do {                                                                                    \
        if (!(condition))                                                                   \
            fuzzPropertyFailed(#condition, (detail), __FILE__, __LINE__);                   \
    } while (false)
