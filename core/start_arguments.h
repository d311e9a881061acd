#pragma once
// What the desktop program takes from its command line, read the way the program always
// has: "dr=DIR" anywhere names the data root, "rok YYYY" as the first two words the year.

#include <QString>
#include <QStringList>

#include <optional>

struct StartArguments {
    std::optional<QString> dataRoot; // ends with "/" unless empty
    std::optional<QString> year;
};

// args without the program name. "_" in a data root stands for a space, so a folder with
// spaces fits in one unquoted argument; "\" becomes "/". The last "dr=" wins.
StartArguments parseProgramArguments(const QStringList &args);
