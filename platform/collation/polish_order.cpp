#include "platform/collation/polish_order.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

struct CodeRange {
    char32_t first;
    char32_t last;
};

// Every `step`-th code point from `first` to `last` has the lower case code point + `delta`.
struct CaseRun {
    char32_t first;
    char32_t last;
    std::uint32_t step;
    std::int32_t delta;
};

#include "platform/collation/unicode_tables.inc"

// Three levels, compared one after another over the whole text: the letter (or sign), then
// the accent of a letter that is not Polish, then the letter case. A level's weight is 0 for
// a character that has no accent or is lower case; otherwise it is the code point itself,
// which keeps every character apart from every other one.
struct Weight {
    std::uint32_t primary;
    std::uint32_t accent;
    std::uint32_t letterCase;
};

// The groups of the primary weight, in their order; the place within a group lies below.
enum class Group : std::uint32_t { Sign, Digit, Letter, Other };

constexpr std::uint32_t primaryWeight(Group group, std::uint32_t place)
{
    return std::uint32_t(group) << 21 | place;
}

// A byte that is not part of valid UTF-8 reads as CodeSpace + its value: above every
// character, and different for every byte, so that such texts still compare apart.
constexpr char32_t CodeSpace = 0x110000;

constexpr char16_t PolishAlphabet[] = u"aąbcćdeęfghijklłmnńoópqrsśtuvwxyzźż";

constexpr int alphabetIndex(char32_t lower)
{
    for (int i = 0; PolishAlphabet[i]; ++i)
        if (PolishAlphabet[i] == lower)
            return i;
    return -1;
}

// The entry of a sorted table whose range may hold the code, or nullptr.
template <typename Entry, std::size_t Size>
constexpr const Entry *entryFor(const Entry (&table)[Size], char32_t code)
{
    const Entry *after = std::upper_bound(std::begin(table), std::end(table), code,
                                          [](char32_t c, const Entry &e) { return c < e.first; });
    if (after == std::begin(table) || code > (after - 1)->last)
        return nullptr;
    return after - 1;
}

constexpr char32_t lowerCase(char32_t code)
{
    const CaseRun *run = entryFor(LowerCaseRuns, code);
    if (!run || (code - run->first) % run->step != 0)
        return code;
    return char32_t(std::int64_t(code) + run->delta);
}

constexpr Weight computeWeight(char32_t code)
{
    const char32_t lower = lowerCase(code);
    const std::uint32_t letterCase = lower == code ? 0 : code;
    if (entryFor(SignRanges, lower))
        return {primaryWeight(Group::Sign, lower), 0, letterCase};
    if (lower >= U'0' && lower <= U'9')
        return {primaryWeight(Group::Digit, lower - U'0'), 0, 0};
    if (const int index = alphabetIndex(lower); index >= 0)
        return {primaryWeight(Group::Letter, std::uint32_t(index)), 0, letterCase};
    if (lower >= LatinBasesFirst && lower < LatinBasesEnd) {
        const char base = LatinBases[lower - LatinBasesFirst];
        if (base != '.')
            return {primaryWeight(Group::Letter, std::uint32_t(alphabetIndex(char32_t(base)))),
                    lower, letterCase};
    }
    return {primaryWeight(Group::Other, lower), 0, letterCase};
}

// The characters of almost every name, weighed once at compile time.
constexpr auto LatinWeights = [] {
    std::array<Weight, LatinBasesEnd> table{};
    for (char32_t code = 0; code < LatinBasesEnd; ++code)
        table[code] = computeWeight(code);
    return table;
}();

constexpr Weight weightOf(char32_t code)
{
    return code < LatinBasesEnd ? LatinWeights[code] : computeWeight(code);
}

// Walks a UTF-16 text code point by code point; a lone surrogate counts as its own code.
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

// The smallest code point each length of a UTF-8 sequence may carry (shorter is overlong).
constexpr char32_t SmallestOfLength[] = {0, 0x80, 0x800, 0x10000};

// Walks a UTF-8 text as SQLite hands it over. Only the shortest encoding of a character is
// read as that character; any other byte stands for itself (see CodeSpace), so two different
// byte strings never read as the same text.
struct Utf8Reader {
    const unsigned char *pos;
    const unsigned char *end;
    bool atEnd() const { return pos >= end; }
    char32_t next()
    {
        const unsigned char lead = *pos++;
        if (lead < 0x80)
            return lead;
        const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        if (extra == 0 || end - pos < extra)
            return CodeSpace + lead;
        char32_t code = lead & (0x3F >> extra);
        for (int i = 0; i < extra; ++i) {
            if ((pos[i] & 0xC0) != 0x80)
                return CodeSpace + lead;
            code = code << 6 | (pos[i] & 0x3F);
        }
        if (code < SmallestOfLength[extra] || code >= CodeSpace || (code >= 0xD800 && code < 0xE000))
            return CodeSpace + lead;
        pos += extra;
        return code;
    }
};

template <typename Reader>
int compareLevel(Reader a, Reader b, std::uint32_t Weight::*level)
{
    while (!a.atEnd() && !b.atEnd()) {
        const std::uint32_t wa = weightOf(a.next()).*level;
        const std::uint32_t wb = weightOf(b.next()).*level;
        if (wa != wb)
            return wa < wb ? -1 : 1;
    }
    if (a.atEnd() != b.atEnd())
        return a.atEnd() ? -1 : 1;
    return 0;
}

template <typename Reader>
int compareAllLevels(Reader a, Reader b, LetterCase letterCase)
{
    if (const int result = compareLevel(a, b, &Weight::primary))
        return result;
    if (const int result = compareLevel(a, b, &Weight::accent))
        return result;
    return letterCase == LetterCase::Sensitive ? compareLevel(a, b, &Weight::letterCase) : 0;
}

} // namespace

int comparePolishUtf8(const char *a, int aLength, const char *b, int bLength,
                      LetterCase letterCase)
{
    const auto *pa = reinterpret_cast<const unsigned char *>(a);
    const auto *pb = reinterpret_cast<const unsigned char *>(b);
    return compareAllLevels(Utf8Reader{pa, pa + aLength}, Utf8Reader{pb, pb + bLength},
                            letterCase);
}

int comparePolishUtf16(const char16_t *a, int aLength, const char16_t *b, int bLength,
                       LetterCase letterCase)
{
    return compareAllLevels(Utf16Reader{a, a + aLength}, Utf16Reader{b, b + bLength},
                            letterCase);
}

int collatePolish(void *, int aLength, const void *a, int bLength, const void *b)
{
    return comparePolishUtf8(static_cast<const char *>(a), aLength, static_cast<const char *>(b),
                             bLength, LetterCase::Sensitive);
}

int collatePolishNoCase(void *, int aLength, const void *a, int bLength, const void *b)
{
    return comparePolishUtf8(static_cast<const char *>(a), aLength, static_cast<const char *>(b),
                             bLength, LetterCase::Insensitive);
}
