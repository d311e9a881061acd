#include "jpk/xml_text.h"

void XmlText::newLine()
{
    out_ += QLatin1Char('\n');
    out_.resize(out_.size() + depth_, QLatin1Char(' '));
}

void XmlText::open(QLatin1String name, Attributes attributes)
{
    newLine();
    out_ += QLatin1Char('<');
    out_ += name;
    for (const auto &[attribute, value] : attributes) {
        out_ += QLatin1Char(' ');
        out_ += attribute;
        out_ += QLatin1String("=\"");
        escaped(value, true);
        out_ += QLatin1Char('"');
    }
    out_ += QLatin1Char('>');
}

void XmlText::start(QLatin1String name, Attributes attributes)
{
    open(name, attributes);
    ++depth_;
}

void XmlText::end(QLatin1String name)
{
    --depth_;
    newLine();
    out_ += QLatin1String("</");
    out_ += name;
    out_ += QLatin1Char('>');
}

void XmlText::element(QLatin1String name, QStringView text, Attributes attributes)
{
    open(name, attributes);
    escaped(text, false);
    out_ += QLatin1String("</");
    out_ += name;
    out_ += QLatin1Char('>');
}

// The escapes of Qt's stream writer: the markup characters and the quote always, tabs and
// line ends only in attributes, where a reader would turn them into spaces.
void XmlText::escaped(QStringView text, bool inAttribute)
{
    qsizetype plain = 0; // where the run of characters copied as they are begins
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        QLatin1String escape;
        switch (c) {
        case u'<': escape = QLatin1String("&lt;"); break;
        case u'>': escape = QLatin1String("&gt;"); break;
        case u'&': escape = QLatin1String("&amp;"); break;
        case u'"': escape = QLatin1String("&quot;"); break;
        case u'\t': if (inAttribute) escape = QLatin1String("&#9;"); break;
        case u'\n': if (inAttribute) escape = QLatin1String("&#10;"); break;
        case u'\r': if (inAttribute) escape = QLatin1String("&#13;"); break;
        default:
            if (c >= 0x20 && c < 0xFFFE)
                continue;
            out_.append(text.sliced(plain, i - plain));
            plain = i + 1;
            leftOut_ = true;
            continue;
        }
        if (escape.isEmpty())
            continue;
        out_.append(text.sliced(plain, i - plain));
        out_ += escape;
        plain = i + 1;
    }
    out_.append(text.sliced(plain));
}
