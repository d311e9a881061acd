#pragma once
// The fields of the parameter record that the parameter dialogs edit, and the values each
// takes. The command line shows and sets exactly these; a dialog that edits a further field
// of the record adds one line to the table in parameter_fields.cpp.

#include <QList>
#include <QString>

#include <optional>

class Cursor;

struct ParameterField {
    QString name;    // field of the parameter record
    QString caption; // what the dialog calls it
    // A whole number from `minimum` to `maximum`, or a truth value.
    bool logical = false;
    int minimum = 0;
    int maximum = 0;
};

// In the order of the dialogs' boxes.
const QList<ParameterField> &ParameterFields();
// The field of that name (any letter case), or null.
const ParameterField *FindParameterField(const QString &name);

// The value as the field stores it; nothing, with `refusal` saying why in the user's words,
// when the text is not a value the dialog would take.
std::optional<QString> ParameterValue(const ParameterField &field, const QString &text,
                                      QString &refusal);

// The value of the field in the parameter record as it is shown ("" when blank or absent).
QString ShownParameter(Cursor &parameters, const ParameterField &field);
