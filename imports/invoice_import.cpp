#include "imports/invoice_import.h"

#include "core/data_module.h"
#include "core/ksef_number.h"
#include "core/number_format.h"
#include "imports/import_key.h"
#include "imports/import_rows.h"
#include "imports/import_start.h"
#include "imports/number_template.h"
#include "imports/position_amount.h"
#include "ledger/month_view.h"
#include "platform/progress.h"
#include "platform/prompter.h"

#include <QScopeGuard>

namespace {

const QString BookOrder = QStringLiteral("LPinx");

QString text(Cursor &table, const char *field)
{
    return table.field(QString::fromLatin1(field)).asString();
}

void setText(Cursor &table, const char *field, const QString &value)
{
    table.field(QString::fromLatin1(field)).setAsString(value);
}

InvoicePosition readPosition(Cursor &positions)
{
    InvoicePosition position;
    position.registerCode = text(positions, "RD");
    position.account = text(positions, "KKONTO");
    position.declarationCode = text(positions, "DEK");
    position.net = positions.field(QStringLiteral("WNETTO")).asCurrency();
    position.vat = positions.field(QStringLiteral("VAT")).asCurrency();
    position.gross = positions.field(QStringLiteral("WBRUTTO")).asCurrency();
    return position;
}

// The invoice's KSeF number as the book keeps it; a wrong one stops the import naming it.
QString invoiceKsefNumber(Cursor &headers)
{
    if (!headers.hasField(QStringLiteral("KSEF")))
        return QString();
    const std::optional<QString> stored = StoredKsefNumber(text(headers, "KSEF"));
    if (!stored)
        throw DbError(WrongKsefNumberText);
    return *stored;
}

class InvoiceWalk {
public:
    InvoiceWalk(TDANE &dane, RegisterKind kind, bool keepColumnsApart, Progress &progress)
        : dane_(dane), kind_(kind), keepColumnsApart_(keepColumnsApart), progress_(progress),
          numbers_(dane)
    {
    }

    ImportedEntries run()
    {
        Cursor &registers = dane_.TRD;
        registers.refresh();
        const auto stopProgress = qScopeGuard([this] { progress_.stop(); });
        for (registers.first(); !registers.eof(); registers.next())
            importRegister();
        return counts_;
    }

private:
    void importRegister()
    {
        Cursor &headers = dane_.TNAG;
        const QString &title = kind_ == RegisterKind::Sales ? SalesRegisterProgressText
                                                            : PurchaseRegisterProgressText;
        // The invoicing program may have changed its tables since they were last read.
        headers.refresh();
        progress_.start(title + text(dane_.TRD, "NAZWA"), headers.recordCount());
        for (headers.first(); !headers.eof(); headers.next()) {
            progress_.step();
            try {
                importInvoice();
            } catch (const DbError &failure) {
                dane_.prompter().error(failure.message() + QStringLiteral("\rFaktura : ")
                                       + invoiceName());
                throw ReportedImportFailure{};
            }
        }
    }

    QString invoiceName()
    {
        Cursor &headers = dane_.TNAG;
        return QStringLiteral("%1 nr %2 z dnia %3")
            .arg(text(headers, "RD").trimmed(), text(headers, "NRD"), text(headers, "DATA"));
    }

    void importInvoice()
    {
        Cursor &positions = dane_.TPOZ;
        positions.refresh();
        rows_.clear();
        const QString registerCode = text(dane_.TRD, "RD");
        QString firstAccount;
        bool mixed = false;
        for (positions.first(); !positions.eof(); positions.next()) {
            const InvoicePosition position = readPosition(positions);
            if (positions.recNo() == 0)
                firstAccount = position.account;
            else if (position.account != firstAccount)
                mixed = true;
            if (const std::optional<int> column = PositionColumn(position.account))
                rows_.add(*column, text(positions, "NAZWA"), PositionAmount(registerCode, position),
                          dane_.prompter());
        }
        if (!mixed || !keepColumnsApart_)
            rows_.collapse();
        writeRows();
    }

    void writeRows()
    {
        Cursor &headers = dane_.TNAG;
        Cursor &ledger = dane_.TKSIEGA;
        const QString month = dane_.environment().workingMonth;
        const bool sales = kind_ == RegisterKind::Sales;
        const QString documentNumber = sales ? ExpandNumberTemplate(headers, text(dane_.TRD, "Wzor"))
                                             : text(headers, "ZBANK");
        const QString ksef = invoiceKsefNumber(headers);
        for (qsizetype i = 0; i < rows_.rows().size(); ++i) {
            const ImportRow &row = rows_.rows()[i];
            const QString key = InvoiceImportKey(text(headers, "RD"), text(headers, "ROK"), month,
                                                 headers.field(QStringLiteral("NRD")).asInteger(),
                                                 int(i + 1));
            if (ledger.findKey({key})) {
                ledger.edit();
                ++counts_.updated;
            } else {
                ledger.cancelRange();
                const int number = numbers_.next();
                ledger.append();
                ledger.field(QStringLiteral("LP")).setInteger(number);
                setText(ledger, "NRKOMP", key);
                setText(ledger, "OPIS1", row.description);
                setText(ledger, "OPIS2", row.name);
                setText(ledger, "MC", month);
                ++counts_.added;
            }
            ledger.field(QStringLiteral("B1")).setBoolean(true);
            setText(ledger, "NRKSIEG", documentNumber);
            setText(ledger, "DATA", text(headers, sales ? "DATA" : "DATAS"));
            setText(ledger, "NRK", text(headers, "NRK"));
            setText(ledger, "NAZ1", text(headers, "ONAZ1"));
            setText(ledger, "NAZ2", text(headers, "ONAZ2"));
            setText(ledger, "KOD", text(headers, "OKOD"));
            setText(ledger, "MIEJSC", text(headers, "OMIEJSC"));
            setText(ledger, "UL", text(headers, "OUL"));
            setText(ledger, "NIP", text(headers, "ONIP"));
            if (ledger.hasField(QStringLiteral("KSEF")))
                setText(ledger, "KSEF", ksef);
            for (int slot = 0; slot < SlotCount; ++slot)
                ledger.field(SlotField(Slot(slot))).setCurrency(row.amounts[size_t(slot)]);
            SaveImportedEntry(dane_);
        }
    }

    TDANE &dane_;
    const RegisterKind kind_;
    const bool keepColumnsApart_;
    Progress &progress_;
    EntryNumbers numbers_;
    ImportRows rows_;
    ImportedEntries counts_;
};

// The working month's entries this import no longer wrote are deleted; every entry that
// stays loses its mark of being written by this import.
void cleanUp(TDANE &dane, RegisterKind kind, ImportedEntries &counts)
{
    Cursor &ledger = dane.TKSIEGA;
    const QString month = dane.environment().workingMonth;
    ledger.cancelRange();
    ledger.setIndexName(BookOrder);
    SelectWorkingMonth(dane, month);
    const Field key = ledger.field(QStringLiteral("NRKOMP"));
    Field mark = ledger.field(QStringLiteral("B1"));
    for (int i = 0; i < ledger.recordCount();) {
        ledger.setRecNo(i);
        const QString entryKey = key.asString();
        if (MadeByInvoiceImport(entryKey, kind) && !KeyOfAnotherMonth(entryKey, month)
            && !mark.asBoolean()) {
            ledger.remove();
            ++counts.deleted;
            continue;
        }
        if (mark.asBoolean()) {
            ledger.edit();
            mark.setBoolean(false);
            SaveImportedEntry(dane);
        }
        ++i;
    }
}

} // namespace

bool MadeByInvoiceImport(const QString &key, RegisterKind kind)
{
    if (RemoveSpaces(key).isEmpty())
        return false;
    if (kind == RegisterKind::Purchases)
        return QStringLiteral("CDZ").contains(key.at(0));
    return QStringLiteral("ABIRS").contains(key.at(0)) && !key.startsWith(QLatin1String("SAM "))
           && !key.startsWith(QLatin1String("AMOR "));
}

ImportedEntries ImportInvoices(TDANE &dane, RegisterKind kind, bool keepColumnsApart,
                            Progress &progress)
{
    ImportedEntries counts = InvoiceWalk(dane, kind, keepColumnsApart, progress).run();
    cleanUp(dane, kind, counts);
    return counts;
}
