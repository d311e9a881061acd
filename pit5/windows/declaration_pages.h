#pragma once
// The pages of the declaration window built from the table of form positions: one tab per
// page, a group box per section, a caption and a box per position, every box bound to its
// field of the declaration cursor.

#include <QHash>
#include <QList>
#include <QString>

class FieldBinder;
class QGroupBox;
class QTabWidget;
class QWidget;

struct DeclarationControls {
    QHash<QString, QWidget *> boxes;          // by field name
    QList<QGroupBox *> hiddenForFlatRate;     // the zone and rental sections
};

// Adds the form's pages after whatever tabs `pages` already has.
DeclarationControls BuildDeclarationPages(QTabWidget *pages, FieldBinder &binder);
