#pragma once
// The taxpayer of the structured book, from the firm record: a natural person (`RP` "F")
// by tax number, first name, surname and birth date, any other firm by tax number and full
// name; and the tax office the file goes to.

#include "jpk/jpk_document.h"

#include <QStringList>

#include <optional>

class TDANE;

// The firm's part of the file; nothing, with `missing` naming what the firm data lacks
// (in Polish, as the firm window calls it), when the file could not be made with it.
std::optional<JpkSubject> JpkSubjectOfFirm(TDANE &dane, QStringList &missing);

// The office code: `given` when it is one of the list, else the code for the firm's
// `URZAD`. Nothing, with `refusal` saying how to give the code, when there is none.
std::optional<QString> JpkOfficeCode(TDANE &dane, const QString &given,
                                     const QString &schemaDirectory, QString &refusal);
