#include "jpk/jpk_subject.h"

#include "core/data_module.h"
#include "firm/firm_record.h"
#include "jpk/tax_offices.h"

#include <QRegularExpression>

namespace {

QString firmText(Cursor &firm, const char *name)
{
    const QString field = QString::fromLatin1(name);
    return firm.hasField(field) ? firm.field(field).asString().trimmed() : QString();
}

// The firm window takes the birth date as day-month-year; older data has other forms.
QDate birthDate(const QString &text)
{
    for (const char *format : {"dd-MM-yyyy", "dd.MM.yyyy", "yyyy.MM.dd", "yyyy-MM-dd"}) {
        const QDate date = QDate::fromString(text, QString::fromLatin1(format));
        if (date.isValid())
            return date;
    }
    return QDate();
}

} // namespace

std::optional<JpkSubject> JpkSubjectOfFirm(TDANE &dane, QStringList &missing)
{
    Cursor &firm = dane.TFIRMA;
    JpkSubject subject;
    if (!GoToFirmRecord(firm) || firm.isEmpty()) {
        missing << QStringLiteral("dane firmy");
        return std::nullopt;
    }
    subject.nip = firmText(firm, "NIP").remove(QRegularExpression(QStringLiteral("[^0-9]")));
    if (subject.nip.size() != 10)
        missing << QStringLiteral("NIP");
    subject.naturalPerson = firmText(firm, "RP").toUpper() == QLatin1String("F");
    subject.email = firmText(firm, "EMAIL");
    if (subject.naturalPerson) {
        subject.firstName = firmText(firm, "IMIE");
        subject.surname = firmText(firm, "NAZWISKO");
        subject.birthDate = birthDate(firmText(firm, "DATAUR"));
        if (subject.firstName.isEmpty())
            missing << QStringLiteral("imię");
        if (subject.surname.isEmpty())
            missing << QStringLiteral("nazwisko");
        if (!subject.birthDate.isValid())
            missing << QStringLiteral("data urodzenia");
    } else {
        subject.fullName = (firmText(firm, "NAZWA1") + QLatin1Char(' ') + firmText(firm, "NAZWA2"))
                               .simplified();
        if (subject.fullName.isEmpty())
            missing << QStringLiteral("nazwa firmy");
    }
    if (!missing.isEmpty())
        return std::nullopt;
    return subject;
}

std::optional<QString> JpkOfficeCode(TDANE &dane, const QString &given,
                                     const QString &schemaDirectory, QString &refusal)
{
    if (!given.isEmpty()) {
        if (KnownTaxOfficeCode(given, schemaDirectory))
            return given;
        refusal = QStringLiteral("Nieznany kod urzędu skarbowego: %1.").arg(given);
        return std::nullopt;
    }
    Cursor &firm = dane.TFIRMA;
    const QString office = GoToFirmRecord(firm) && !firm.isEmpty() ? firmText(firm, "URZAD")
                                                                   : QString();
    const QString code = TaxOfficeCodeFor(office, schemaDirectory);
    if (!code.isEmpty() && KnownTaxOfficeCode(code, schemaDirectory))
        return code;
    refusal = QStringLiteral("Nie znaleziono kodu urzędu skarbowego dla „%1”.\r"
                             "Wpisz czterocyfrowy kod na początku nazwy urzędu w Danych o Firmie "
                             "(np. „1433 Urząd Skarbowy Warszawa-Mokotów”) albo podaj go opcją "
                             "--urzad KOD.")
                  .arg(office);
    return std::nullopt;
}
