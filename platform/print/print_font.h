#pragma once
// A font as a printout asks for it. Families the system lacks ("Lucida Console", "Arial")
// fall back by their kind: a fixed-pitch request still gets a fixed-pitch face, so text
// columns stay aligned.

#include <QFont>
#include <QString>

struct PrintFont {
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool fixedPitch = false;

    static PrintFont fixed(const QString &family, double pointSize);

    QFont toQFont() const;

    bool operator==(const PrintFont &) const = default;
};
