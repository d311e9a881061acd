#include "firm/firm_record.h"

#include "core/data_module.h"
#include "core/table_access.h"
#include "firm/address_completion.h"
#include "firm/firm_fields.h"
#include "platform/joint_transaction.h"
#include "platform/prompter.h"

bool GoToFirmRecord(Cursor &firm)
{
    if (!firm.isOpen())
        return false;
    if (!firm.isFiltered())
        firm.setFiltered(true);
    else if (!firm.isEditing())
        firm.first();
    return true;
}

QString FirmShortName(TDANE &dane)
{
    Cursor &firm = dane.TFIRMA;
    // A record being typed in the firm window is the firm record already.
    if (!firm.isEditing() && !GoToFirmRecord(firm))
        return QString();
    return firm.field(QStringLiteral("SKROT")).asString();
}

void SetFirmField(TDANE &dane, const FirmFormField &field, const QString &value)
{
    Cursor &record = field.parameter ? dane.TPARA : dane.TFIRMA;
    EnsureEditing(record);
    record.field(field.name).setAsString(value);
    if (!field.parameter)
        CompleteAddress(record, field.name);
}

bool SaveFirmData(TDANE &dane)
{
    try {
        JointTransaction together({&dane.TFIRMA, &dane.TPARA});
        if (!SaveTable(dane.TFIRMA, dane.prompter()) || !SaveTable(dane.TPARA, dane.prompter()))
            return false;
        together.commit();
        return true;
    } catch (const DbError &failure) {
        dane.prompter().error(failure.message());
        return false;
    }
}

void CancelFirmData(TDANE &dane)
{
    dane.TFIRMA.cancel();
    dane.TPARA.cancel();
}

QString FirmDataClosed(TDANE &dane)
{
    if (dane.TPARA.isOpen())
        dane.TPARA.refresh();
    return FirmShortName(dane);
}

QString MainWindowCaption(const QString &applicationTitle, const QString &shortName)
{
    return applicationTitle + QLatin1Char(' ') + shortName;
}
