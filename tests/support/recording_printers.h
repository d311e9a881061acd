#pragma once
// One printer, "Drukarka testowa", whose canvas keeps what every job drew on it.

#include "platform/print/printer_list.h"
#include "platform/print/recording_canvas.h"

class RecordingPrinters final : public PrinterList {
public:
    QStringList names{QStringLiteral("Drukarka testowa")};
    QString current = QStringLiteral("Drukarka testowa");
    RecordingCanvas recording;

    QStringList printerNames() const override { return names; }
    QString currentPrinter() const override { return current; }
    void selectPrinter(const QString &name) override { current = name; }
    PageCanvas &canvas() override { return recording; }
};
