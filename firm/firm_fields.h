#pragma once
// What the firm data window edits, page by page, and where each value lives: the firm
// record of FIRMA, or the parameter record (the internet update check). The command line
// shows and sets exactly these, so it can do what the window does and nothing more.

#include <QList>
#include <QString>
#include <QStringList>

struct FirmFormField {
    QString name;            // field name as stored
    bool parameter = false;  // in the parameter record KSIEGA.DB, not in FIRMA
    bool readOnly = false;   // shown, never typed (set by the archive)
};

// In the order of the window's pages and boxes.
const QList<FirmFormField> &FirmFormFields();
// The form field of that name (any letter case), or null.
const FirmFormField *FindFirmFormField(const QString &name);

// The choices of the voivodeship box, in the order the list shows them.
const QStringList &Voivodeships();
// The choices of "Rodzaj płatnika ": the field keeps the first letter.
const QStringList &PayerKinds();
