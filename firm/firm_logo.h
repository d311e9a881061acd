#pragma once
// The logo printed on documents: a BMP file named "logo.bmp" in the data root. The print
// engine loads it once at start-up and the firm window shows that bitmap; a caller without
// the engine at hand reads the same file here.

#include <QImage>
#include <QString>

// The data root's "logo.bmp" (letter case of the name ignored); a null image when there is
// none or it cannot be read.
QImage LoadFirmLogo(const QString &dataRoot);

// "Wymiar rysuknku :  " + width + " / " + height, in pixels (0 / 0 without a logo).
QString LogoSizeLine(const QImage &logo);
