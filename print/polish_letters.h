#pragma once
// Polish letters between the codings a text printout may need. Printers on a port and
// export files take bytes, so this works on bytes: the program's text is first encoded as
// Windows-1250, then converted to the coding the printer understands.

#include <QByteArray>
#include <array>

// Columns of the letter table.
enum PolishCoding : int {
    PolishPlain = 0,       // the letter without its mark: "a" for "ą"
    PolishMazovia = 1,
    PolishCp852 = 2,
    PolishWindows1250 = 3,
};

// ą Ą ć Ć ę Ę ł Ł ó Ó ź Ź ż Ż ń Ń ś Ś, one byte per coding in the column order above.
inline constexpr std::array<std::array<unsigned char, 4>, 18> PolishLetterTable{{
    {0x61, 0x86, 0xA5, 0xB9}, {0x41, 0x8F, 0xA4, 0xA5}, // ą Ą
    {0x63, 0x8D, 0x86, 0xE6}, {0x43, 0x95, 0x8F, 0xC6}, // ć Ć
    {0x65, 0x91, 0xA9, 0xEA}, {0x45, 0x90, 0xA8, 0xCA}, // ę Ę
    {0x6C, 0x92, 0x88, 0xB3}, {0x4C, 0x9C, 0x9D, 0xA3}, // ł Ł
    {0x6F, 0xA2, 0xA2, 0xF3}, {0x4F, 0xA3, 0xE0, 0xD3}, // ó Ó
    {0x7A, 0xA6, 0xAB, 0x9F}, {0x5A, 0xA0, 0x8D, 0x8F}, // ź Ź
    {0x7A, 0xA7, 0xBE, 0xBF}, {0x5A, 0xA1, 0xBD, 0xAF}, // ż Ż
    {0x6E, 0xA4, 0xE4, 0xF1}, {0x4E, 0xA5, 0xE3, 0xD1}, // ń Ń
    {0x73, 0x9E, 0x98, 0x9C}, {0x53, 0x98, 0x97, 0x8C}, // ś Ś
}};

// `code` has two digits: tens the source coding, units the target coding (30: Windows-1250
// to plain letters). Each byte equal to a source-column entry becomes the target entry of
// the same row; where a source byte stands in two rows (plain "z" is both ź and ż), the later
// row wins. Other bytes, and every byte under a code naming no coding, stay as they are.
QByteArray ConvertPolishLetters(const QByteArray &text, int code);
