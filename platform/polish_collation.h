#pragma once
// Polish alphabetical order, the one comparison behind every text index, range and search:
// A Ą B C Ć D E Ę F G H I J K L Ł M N Ń O Ó P Q R S Ś T U V W X Y Z Ź Ż, digits before letters,
// spaces and punctuation before digits. Other accented letters sort with their base letter.
// Case-sensitive comparison keeps "abc" and "ABC" apart (lower case first when all else is
// equal); the case-insensitive one treats them as equal.

#include <QStringView>

struct sqlite3;

enum class LetterCase { Sensitive, Insensitive };

int comparePolish(QStringView a, QStringView b, LetterCase letterCase);
int comparePolishUtf8(const char *a, int aLength, const char *b, int bLength,
                      LetterCase letterCase);

// Collation names used inside the table files' index definitions and in every ordered query.
inline constexpr const char *PolishCollation = "POLISH";
inline constexpr const char *PolishCaseInsensitiveCollation = "POLISH_NOCASE";

// Makes both collations known to a connection.
void registerPolishCollations(sqlite3 *db);
