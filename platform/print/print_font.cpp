#include "platform/print/print_font.h"

PrintFont PrintFont::fixed(const QString &family, double pointSize)
{
    PrintFont font;
    font.family = family;
    font.pointSize = pointSize;
    font.fixedPitch = true;
    return font;
}

QFont PrintFont::toQFont() const
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    if (fixedPitch) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    } else {
        font.setStyleHint(QFont::SansSerif);
    }
    // Kerning and hinting would make a text's width depend on the device; printouts are
    // laid out once and must measure the same on screen, on paper and in a PDF.
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
