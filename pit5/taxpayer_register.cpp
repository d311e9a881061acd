#include "pit5/taxpayer_register.h"

#include "core/data_module.h"
#include "core/table_access.h"
#include "pit5/declaration_nip.h"
#include "pit5/declaration_rules.h"
#include "platform/prompter.h"

bool HasTaxpayers(TDANE &dane)
{
    return dane.TOSOBA.isOpen() && !dane.TOSOBA.isEmpty();
}

void NewTaxpayer(TDANE &dane)
{
    TakeTaxpayerCounter(dane);
    dane.TOSOBA.append();
    dane.TOSOBA.field(QStringLiteral("NR")).setInteger(0);
    dane.TOSOBA.field(QStringLiteral("NAZWISKO")).setAsString(QStringLiteral("Nowy"));
}

void InsertTaxpayer(TDANE &dane)
{
    TakeTaxpayerCounter(dane);
    dane.TOSOBA.insert();
    dane.TOSOBA.field(QStringLiteral("NR")).setInteger(0);
}

bool SaveTaxpayer(TDANE &dane, Prompter &prompter)
{
    return SaveTable(dane.TOSOBA, prompter);
}

bool DeleteTaxpayer(TDANE &dane, Prompter &prompter)
{
    if (!dane.TOSOBA.isOpen() || (dane.TOSOBA.isEmpty() && !dane.TOSOBA.isEditing()))
        return false;
    // The record without a number is the firm's own: deleting it would take the firm's data
    // (its data root among them) along with the taxpayer.
    if (!dane.TOSOBA.isEditing() && dane.TOSOBA.field(QStringLiteral("NR")).isNull()) {
        prompter.warn(QStringLiteral("To są dane firmy: można je zmienić w oknie „Dane o Firmie”, "
                                     "nie można ich skasować."));
        return false;
    }
    if (!prompter.confirm(QStringLiteral("Czy skasować dane ?")))
        return false;
    dane.TOSOBA.remove();
    return true;
}

bool CloseTaxpayerRegister(TDANE &dane, Prompter &prompter)
{
    if (!dane.TOSOBA.isEditing())
        return true;
    if (prompter.confirm(QStringLiteral("Czy zapisać zmiany ?")))
        return SaveTable(dane.TOSOBA, prompter);
    dane.TOSOBA.cancel();
    return true;
}

bool FindTaxpayer(TDANE &dane, int number)
{
    return dane.TOSOBA.isOpen() && dane.TOSOBA.findKey({number});
}

bool FindTaxpayerByNip(TDANE &dane, const QString &nip)
{
    Cursor &taxpayers = dane.TOSOBA;
    const QString wanted = NipDigits(nip);
    if (!taxpayers.isOpen() || wanted.isEmpty())
        return false;
    const Cursor::Bookmark place = taxpayers.bookmark();
    for (taxpayers.first(); !taxpayers.eof(); taxpayers.next())
        if (NipDigits(taxpayers.field(QStringLiteral("NIP")).asString()) == wanted)
            return true;
    if (place.isValid())
        taxpayers.gotoBookmark(place);
    return false;
}
