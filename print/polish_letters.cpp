#include "print/polish_letters.h"

QByteArray ConvertPolishLetters(const QByteArray &text, int code)
{
    const int source = code / 10;
    const int target = code % 10;
    const int codings = int(PolishLetterTable.front().size());
    if (code < 0 || source >= codings || target >= codings)
        return text;

    std::array<unsigned char, 256> map{};
    for (int byte = 0; byte < 256; ++byte)
        map[byte] = static_cast<unsigned char>(byte);
    for (const auto &row : PolishLetterTable)
        map[row[source]] = row[target];

    QByteArray converted = text;
    for (char &byte : converted)
        byte = static_cast<char>(map[static_cast<unsigned char>(byte)]);
    return converted;
}
