#include "ledger/entry_contractor.h"

#include "contractors/contractor_catalogue.h"
#include "contractors/contractor_numbers.h"
#include "core/data_module.h"
#include "core/number_format.h"
#include "core/table_access.h"
#include "platform/joint_transaction.h"
#include "platform/prompter.h"

namespace {

const QString ContractorNumber = QStringLiteral("NR");
const QString EntryContractor = QStringLiteral("NRK");
const QString NipOrder = QStringLiteral("Ninx");

// Entry field ← contractor field, in the order the editor shows them.
const QList<QPair<QString, QString>> &sharedFields()
{
    static const QList<QPair<QString, QString>> fields = {
        {QStringLiteral("NAZ1"), QStringLiteral("NAZWA1")},
        {QStringLiteral("NAZ2"), QStringLiteral("NAZWA2")},
        {QStringLiteral("KOD"), QStringLiteral("KOD")},
        {QStringLiteral("MIEJSC"), QStringLiteral("MIEJSC")},
        {QStringLiteral("UL"), QStringLiteral("UL")},
        {QStringLiteral("NIP"), QStringLiteral("NIP")},
    };
    return fields;
}

bool findContractor(Cursor &contractors, ContractorKey key, const QString &typed)
{
    if (key == ContractorKey::Number) {
        const std::optional<qint64> number = ParseContractorNumber(typed);
        if (!number)
            return false;
        contractors.setIndexName(QString());
        return contractors.findKey({*number});
    }
    contractors.setIndexName(NipOrder);
    return contractors.findKey({typed});
}

} // namespace

bool LookUpEntryContractor(TDANE &dane, ContractorKey key, const QString &typed)
{
    Cursor &contractors = dane.TKontrah;
    if (RemoveSpaces(typed).isEmpty() || !contractors.isOpen() || !dane.TKSIEGA.isOpen())
        return false;
    try {
        if (!SaveTable(contractors, dane.prompter()) || !findContractor(contractors, key, typed))
            return false;
        CopyContractorToEntry(dane);
    } catch (const DbError &failure) {
        dane.prompter().error(failure.message());
        return false;
    }
    return true;
}

void CopyContractorToEntry(TDANE &dane)
{
    Cursor &ledger = dane.TKSIEGA;
    Cursor &contractors = dane.TKontrah;
    EnsureEditing(ledger);
    if (!ledger.isEditing())
        return; // the imported-entry question stopped the edit
    ledger.field(EntryContractor).setAsString(contractors.field(ContractorNumber).asString());
    for (const auto &[entryField, contractorField] : sharedFields())
        ledger.field(entryField).setAsString(contractors.field(contractorField).asString());
}

bool SaveEntryContractor(TDANE &dane)
{
    Cursor &ledger = dane.TKSIEGA;
    Cursor &contractors = dane.TKontrah;
    Prompter &prompter = dane.prompter();
    if (!contractors.isOpen() || !ledger.isOpen())
        return false;
    try {
        if (!SaveTable(contractors, prompter))
            return false;
        // The contractor and the entry's number of him are written in one commit: never a
        // new contractor the entry does not point to, nor an entry pointing to nobody.
        JointTransaction together({&contractors, &ledger});
        contractors.setIndexName(QString());
        const QString entryNumber = RemoveSpaces(ledger.field(EntryContractor).asString());
        if (!entryNumber.isEmpty() && findContractor(contractors, ContractorKey::Number, entryNumber)) {
            contractors.edit();
        } else {
            if (!AppendContractor(dane, prompter))
                return false;
        }
        for (const auto &[entryField, contractorField] : sharedFields())
            contractors.field(contractorField).setAsString(ledger.field(entryField).asString());
        // A contractor made here is found in the catalogue by its short name like any other.
        ApplyShortNameDefault(contractors);
        if (!SaveTable(contractors, prompter))
            return false;
        const QString number = contractors.field(ContractorNumber).asString();
        if (ledger.field(EntryContractor).asString() != number) {
            EnsureEditing(ledger); // the imported-entry question may stop the edit
            if (ledger.isEditing()) {
                ledger.field(EntryContractor).setAsString(number);
                if (!SaveTable(ledger, prompter))
                    return false;
            }
        }
        together.commit();
    } catch (const DbError &failure) {
        if (contractors.isEditing())
            contractors.cancel();
        prompter.error(failure.message());
        return false;
    }
    return true;
}
