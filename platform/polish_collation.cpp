#include "platform/polish_collation.h"

#include <QChar>
#include <QString>
#include <sqlite3.h>

#include <array>
#include <cstdint>

namespace {

// Three levels, compared one after another over the whole text: the letter (or sign), then
// the accent of a letter that is not Polish, then the letter case.
struct Weight {
    std::uint16_t primary;
    std::uint8_t accent;
    std::uint8_t upper;
};

constexpr char32_t TableSize = 0x180; // Basic Latin, Latin-1 and Latin Extended-A
constexpr std::uint16_t LetterBase = 400;
constexpr std::uint16_t DigitBase = 300;
constexpr std::uint16_t BeyondTable = 1000;

const char16_t PolishAlphabet[] = u"aąbcćdeęfghijklłmnńoópqrsśtuvwxyzźż";

int alphabetIndex(char16_t lower)
{
    for (int i = 0; PolishAlphabet[i]; ++i)
        if (PolishAlphabet[i] == lower)
            return i;
    return -1;
}

Weight computeWeight(char32_t code)
{
    const QChar c(static_cast<char16_t>(code));
    if (c.isDigit() && code < 128)
        return {std::uint16_t(DigitBase + (code - '0')), 0, 0};
    if (c.isLetter()) {
        const char16_t lower = c.toLower().unicode();
        const std::uint8_t upper = c.isUpper() ? 1 : 0;
        int index = alphabetIndex(lower);
        if (index >= 0)
            return {std::uint16_t(LetterBase + 2 * index), 0, upper};
        const QString decomposed = QChar(lower).decomposition();
        if (!decomposed.isEmpty()) {
            index = alphabetIndex(decomposed.at(0).toLower().unicode());
            if (index >= 0)
                return {std::uint16_t(LetterBase + 2 * index), std::uint8_t(1 + (lower & 0x3F)),
                        upper};
        }
        return {std::uint16_t(BeyondTable + code), 0, 0};
    }
    // Spaces, punctuation and symbols keep their code order, all before the digits (the only
    // non-letters of the table above Basic Latin are Latin-1 signs below 0xF8).
    return {std::uint16_t(code < 0x80 ? 1 + code : 129 + (code - 0x80)), 0, 0};
}

const std::array<Weight, TableSize> &weightTable()
{
    static const std::array<Weight, TableSize> table = [] {
        std::array<Weight, TableSize> t{};
        for (char32_t code = 0; code < TableSize; ++code)
            t[code] = computeWeight(code);
        return t;
    }();
    return table;
}

Weight weightOf(char32_t code)
{
    if (code < TableSize)
        return weightTable()[code];
    return {std::uint16_t(code < 0xFC00 - BeyondTable ? BeyondTable + code : 0xFFFF), 0, 0};
}

// Walks a UTF-16 text code point by code point.
struct Utf16Reader {
    const char16_t *pos;
    const char16_t *end;
    bool atEnd() const { return pos >= end; }
    char32_t next()
    {
        char32_t c = *pos++;
        if (c >= 0xD800 && c < 0xDC00 && pos < end && *pos >= 0xDC00 && *pos < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (*pos++ - 0xDC00);
        return c;
    }
};

// Walks a UTF-8 text as SQLite hands it over; a malformed byte counts as its own code.
struct Utf8Reader {
    const unsigned char *pos;
    const unsigned char *end;
    bool atEnd() const { return pos >= end; }
    char32_t next()
    {
        const unsigned char lead = *pos++;
        if (lead < 0x80)
            return lead;
        int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        char32_t c = lead & (0x3F >> extra);
        while (extra-- > 0 && pos < end && (*pos & 0xC0) == 0x80)
            c = (c << 6) | (*pos++ & 0x3F);
        return c;
    }
};

template <typename Reader>
int compareLevel(Reader a, Reader b, int level)
{
    while (!a.atEnd() && !b.atEnd()) {
        const Weight wa = weightOf(a.next());
        const Weight wb = weightOf(b.next());
        const int da = level == 0 ? wa.primary : level == 1 ? wa.accent : wa.upper;
        const int db = level == 0 ? wb.primary : level == 1 ? wb.accent : wb.upper;
        if (da != db)
            return da < db ? -1 : 1;
    }
    if (a.atEnd() != b.atEnd())
        return a.atEnd() ? -1 : 1;
    return 0;
}

template <typename Reader>
int compareAllLevels(Reader a, Reader b, LetterCase letterCase)
{
    const int levels = letterCase == LetterCase::Sensitive ? 3 : 2;
    for (int level = 0; level < levels; ++level)
        if (const int result = compareLevel(a, b, level))
            return result;
    return 0;
}

int collateSensitive(void *, int aLength, const void *a, int bLength, const void *b)
{
    return comparePolishUtf8(static_cast<const char *>(a), aLength,
                             static_cast<const char *>(b), bLength, LetterCase::Sensitive);
}

int collateInsensitive(void *, int aLength, const void *a, int bLength, const void *b)
{
    return comparePolishUtf8(static_cast<const char *>(a), aLength,
                             static_cast<const char *>(b), bLength, LetterCase::Insensitive);
}

} // namespace

int comparePolish(QStringView a, QStringView b, LetterCase letterCase)
{
    const auto *pa = reinterpret_cast<const char16_t *>(a.utf16());
    const auto *pb = reinterpret_cast<const char16_t *>(b.utf16());
    return compareAllLevels(Utf16Reader{pa, pa + a.size()}, Utf16Reader{pb, pb + b.size()},
                            letterCase);
}

int comparePolishUtf8(const char *a, int aLength, const char *b, int bLength,
                      LetterCase letterCase)
{
    const auto *pa = reinterpret_cast<const unsigned char *>(a);
    const auto *pb = reinterpret_cast<const unsigned char *>(b);
    return compareAllLevels(Utf8Reader{pa, pa + aLength}, Utf8Reader{pb, pb + bLength},
                            letterCase);
}

void registerPolishCollations(sqlite3 *db)
{
    sqlite3_create_collation(db, PolishCollation, SQLITE_UTF8, nullptr, collateSensitive);
    sqlite3_create_collation(db, PolishCaseInsensitiveCollation, SQLITE_UTF8, nullptr,
                             collateInsensitive);
}
