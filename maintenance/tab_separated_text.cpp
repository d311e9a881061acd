#include "maintenance/tab_separated_text.h"

#include "platform/code_pages.h"

#include <algorithm>

namespace {

const QChar Tab = QLatin1Char('\t');

// Codes Windows-1250 assigns no character to.
bool unusedInWindows1250(char byte)
{
    switch (static_cast<unsigned char>(byte)) {
    case 0x00:
    case 0x81:
    case 0x83:
    case 0x88:
    case 0x90:
    case 0x98:
        return true;
    default:
        return false;
    }
}

} // namespace

QStringList TabSeparatedValues(QStringView line)
{
    QStringList values;
    qsizetype start = 0;
    for (qsizetype tab = line.indexOf(Tab); tab >= 0; tab = line.indexOf(Tab, start)) {
        values.append(line.mid(start, tab - start).toString());
        start = tab + 1;
    }
    return values;
}

TabSeparatedText ReadTabSeparatedText(const QByteArray &bytes)
{
    QStringDecoder decoder = CodePageDecoder(Windows1250);
    const QString text = decoder.decode(bytes);
    TabSeparatedText result;
    int number = 0;
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        ++number;
        QStringList values = TabSeparatedValues(line);
        if (number == 1)
            result.header = std::move(values);
        else if (!values.isEmpty())
            result.lines.append({number, std::move(values)});
    }
    return result;
}

TextCoding GuessTextCoding(const QByteArray &bytes)
{
    const bool ascii = std::all_of(bytes.cbegin(), bytes.cend(),
                                   [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
    if (!ascii) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8.decode(bytes);
        if (!utf8.hasError())
            return TextCoding::Utf8;
    }
    return std::any_of(bytes.cbegin(), bytes.cend(), unusedInWindows1250) ? TextCoding::Other
                                                                           : TextCoding::Windows1250;
}

QString LineValue(QString text)
{
    text.replace(Tab, QLatin1Char(':'));
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

TabSeparatedLineWriter::TabSeparatedLineWriter() : encoder_(CodePageEncoder(Windows1250)) {}

QByteArray TabSeparatedLineWriter::line(const QStringList &values, bool &lossy)
{
    QString text;
    for (const QString &value : values)
        text += LineValue(value) + Tab;
    return encode(text, lossy) + "\r\n";
}

QByteArray TabSeparatedLineWriter::encode(const QString &text, bool &lossy)
{
    QByteArray bytes = encoder_.encode(text);
    if (!encoder_.hasError())
        return bytes;
    // Rare: the characters are encoded one by one to find those the coding lacks. An encoder
    // remembers an error for good, so each character gets a new one, and so do later lines.
    lossy = true;
    encoder_ = CodePageEncoder(Windows1250);
    bytes.clear();
    for (const char32_t character : text.toUcs4()) {
        QStringEncoder one = CodePageEncoder(Windows1250);
        const QByteArray encoded = one.encode(QString::fromUcs4(&character, 1));
        bytes += one.hasError() ? QByteArray("?") : encoded;
    }
    return bytes;
}
