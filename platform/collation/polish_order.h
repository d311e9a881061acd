#pragma once
// Polish alphabetical order, the one comparison behind every text index, range and search,
// in plain C++ so that the SQLite extension other programs load compares exactly as we do:
//
//   signs < digits < A Ą B C Ć D E Ę F G H I J K L Ł M N Ń O Ó P Q R S Ś T U V W X Y Z Ź Ż
//   < every other letter, in code point order.
//
// Signs are spaces, punctuation, quotes („ ” « »), dashes, symbols, emoji and control
// characters, in code point order among themselves. Accented Latin letters that are not
// Polish (Ä, Č, Ö, Š, Ü ... — those of Latin-1 and Latin Extended-A) sort with their base
// letter and after it when the texts differ in nothing else. The order is total: two texts compare equal only when they are the same
// text, or, case-insensitively, when they differ in letter case alone (lower case first
// otherwise). Bytes that are not valid UTF-8 each weigh more than every character, so even
// such texts never collide in a unique index.

#include <cstdint>

enum class LetterCase { Sensitive, Insensitive };

// The order's version, kept in every table file beside the indexes built with it: a change
// of any weight below must raise it, so that files built in the old order are reindexed.
inline constexpr std::int32_t PolishOrderVersion = 1;

int comparePolishUtf8(const char *a, int aLength, const char *b, int bLength,
                      LetterCase letterCase);
int comparePolishUtf16(const char16_t *a, int aLength, const char16_t *b, int bLength,
                       LetterCase letterCase);

// Collation names used inside the table files' index definitions and in every ordered query.
inline constexpr const char *PolishCollation = "POLISH";
inline constexpr const char *PolishCaseInsensitiveCollation = "POLISH_NOCASE";

// The two collations in the form sqlite3_create_collation takes them (UTF-8 texts).
int collatePolish(void *, int aLength, const void *a, int bLength, const void *b);
int collatePolishNoCase(void *, int aLength, const void *a, int bLength, const void *b);
