#include "contractors/contractor_envelope.h"

#include "contractors/envelope_report.h"
#include "platform/cursor.h"
#include "platform/print/printer_list.h"
#include "platform/prompter.h"

#include <QDir>

QString EnvelopeMarginsFile()
{
    return envelopeMarginsPath(QDir::currentPath());
}

bool PrintContractorEnvelope(Cursor &contractors, PrinterList &printers,
                             const QString &marginsPath, Prompter &prompter)
{
    if (!contractors.isOpen() || contractors.recNo() < 0)
        return false;
    if (printers.isEmpty()) {
        prompter.warn(NoPrinterMessage());
        return false;
    }
    PageCanvas &canvas = printers.canvas();
    if (!printEnvelope(envelopeAddressOf(contractors), marginsPath, canvas)) {
        prompter.error(PrintFailureMessage(canvas, printers.currentPrinter()));
        return false;
    }
    return true;
}
