#include "contractors/contractor_catalogue.h"

#include "contractors/contractor_numbers.h"
#include "core/data_module.h"
#include "core/table_access.h"
#include "platform/joint_transaction.h"
#include "platform/prompter.h"

const QStringList &ContractorEditFields()
{
    static const QStringList fields = {
        QStringLiteral("NIP"),    QStringLiteral("SKROT"), QStringLiteral("NAZWA1"),
        QStringLiteral("NAZWA2"), QStringLiteral("KOD"),   QStringLiteral("MIEJSC"),
        QStringLiteral("UL"),     QStringLiteral("BANK"),  QStringLiteral("NUM1"),
        QStringLiteral("NUM2"),   QStringLiteral("NUM3")};
    return fields;
}

static const QString NumberField = QStringLiteral("NR");

std::optional<qint64> AddContractor(TDANE &dane, Prompter &prompter)
{
    const std::optional<qint64> number = AppendContractor(dane, prompter);
    if (!number || !SaveContractor(dane, prompter))
        return std::nullopt;
    return number;
}

std::optional<qint64> AppendContractor(TDANE &dane, Prompter &prompter)
{
    Cursor &contractors = dane.TKontrah;
    if (!contractors.isOpen())
        return std::nullopt;
    try {
        if (!SaveTable(contractors, prompter))
            return std::nullopt;
        // Selecting the order reads the file again, so a contractor the invoicing program
        // added a moment ago is counted too.
        contractors.setIndexName(QString());
        contractors.last();
        qint64 number = 1;
        if (!contractors.isEmpty() && !contractors.field(NumberField).isNull())
            number = contractors.field(NumberField).asInteger() + 1;
        if (number > HighestContractorNumber) {
            prompter.warn(QStringLiteral("Nie można dodać kontrahenta.\rNajwyższy numer kontrahenta "
                                      "%1 jest już zajęty.")
                           .arg(ContractorNumberText(HighestContractorNumber)));
            return std::nullopt;
        }
        contractors.append();
        contractors.field(NumberField).setInteger(number);
        return number;
    } catch (const DbError &failure) {
        if (contractors.isEditing())
            contractors.cancel();
        prompter.error(failure.message());
        return std::nullopt;
    }
}

bool SaveContractor(TDANE &dane, Prompter &prompter)
{
    try {
        return SaveTable(dane.TKontrah, prompter);
    } catch (const DbError &failure) {
        prompter.error(failure.message());
        return false;
    }
}

// The description is found through the contractor's number, so it goes before the
// contractor does.
static void deleteDescription(Cursor &contractors, Cursor &notes)
{
    Cursor *master = notes.master();
    const QString masterFields = notes.masterFields();
    notes.setMaster(&contractors, NumberField);
    notes.refresh();
    if (!notes.isEmpty())
        notes.remove();
    notes.setMaster(master, masterFields);
}

bool DeleteContractor(TDANE &dane, Prompter &prompter)
{
    Cursor &contractors = dane.TKontrah;
    if (!contractors.isOpen() || contractors.recNo() < 0)
        return false;
    if (prompter.ask(MessageIcon::Warning, QStringLiteral("Usuń rekord"), MessageButtons::OkCancel)
        != Answer::Ok)
        return false;
    try {
        if (contractors.state() == Cursor::State::Edit)
            contractors.cancel();
        // The description goes with its contractor or stays with him.
        JointTransaction together({&contractors, &dane.TKONTRAHo});
        if (dane.TKONTRAHo.isOpen())
            deleteDescription(contractors, dane.TKONTRAHo);
        contractors.remove();
        together.commit();
        return true;
    } catch (const DbError &failure) {
        prompter.error(failure.message());
        return false;
    }
}

void ApplyShortNameDefault(Cursor &contractors)
{
    const QString fullName = contractors.field(QStringLiteral("NAZWA1")).asString();
    if (fullName.isEmpty() || !contractors.field(QStringLiteral("SKROT")).asString().isEmpty())
        return;
    EnsureEditing(contractors);
    // The field's own size cuts the full name to what a short name holds.
    contractors.field(QStringLiteral("SKROT")).setAsString(fullName);
}

void SetContractorField(Cursor &contractors, const QString &field, const QString &value)
{
    Field target = contractors.field(field);
    EnsureEditing(contractors);
    target.setAsString(value);
    if (target.name().compare(QLatin1String("NAZWA1"), Qt::CaseInsensitive) == 0)
        ApplyShortNameDefault(contractors);
}

bool FindContractor(Cursor &contractors, qint64 number)
{
    if (!contractors.isOpen())
        return false;
    contractors.setIndexName(QString());
    return contractors.findKey({number});
}

QString ContractorCountText(const Cursor &contractors)
{
    return QStringLiteral("Ilość pozycji  ")
           + QString::number(contractors.isOpen() ? contractors.recordCount() : 0);
}
