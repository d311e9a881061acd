#include "pit5/declaration_workflow.h"

#include "core/data_module.h"
#include "core/program_title.h"
#include "core/table_access.h"
#include "pit5/declaration_nip.h"
#include "pit5/tax_constants.h"
#include "pit5/tax_method.h"
#include "pit5/taxpayer_register.h"
#include "pit5/taxpayer_share.h"
#include "platform/prompter.h"

#include <QDate>

namespace {

QString text(Cursor &cursor, const char *field)
{
    return cursor.field(QString::fromLatin1(field)).asString();
}

void setText(Cursor &cursor, const char *field, const QString &value)
{
    cursor.field(QString::fromLatin1(field)).setAsString(value);
}

bool hasDeclaration(Cursor &declarations)
{
    return declarations.isOpen() && (declarations.isEditing() || !declarations.isEmpty());
}

// The firm's own fields, read from the record without a number.
struct FirmData {
    QString shortName, nip, regon, name, place;
};

FirmData firmData(TDANE &dane)
{
    Cursor &firm = dane.TFIRMA;
    FirmData data;
    if (!firm.isOpen())
        return data;
    const Cursor::Bookmark place = firm.bookmark();
    if (!firm.isEditing() && !firm.field(QStringLiteral("NR")).isNull())
        firm.first(); // a blank number sorts first
    if (firm.field(QStringLiteral("NR")).isNull() && !firm.isEmpty()) {
        data.shortName = text(firm, "SKROT");
        data.nip = text(firm, "NIP");
        data.regon = text(firm, "REGON");
        data.name = text(firm, "NAZWA1") + QLatin1Char(' ') + text(firm, "NAZWA2");
        data.place = text(firm, "MIEJSCOWOSC") + QStringLiteral(", ") + text(firm, "ULICA")
                     + QLatin1Char(' ') + text(firm, "NUMER") + QLatin1Char(' ') + text(firm, "LOKAL");
    }
    if (place.isValid() && !firm.isEditing())
        firm.gotoBookmark(place);
    return data;
}

void fillFromTaxpayer(TDANE &dane)
{
    Cursor &declaration = dane.TDEK;
    Cursor &taxpayer = dane.TOSOBA;
    setText(declaration, "P1", DeclarationNip(text(taxpayer, "NIP")));
    static const char *const copied[][2] = {
        {"P5", "URZAD"},   {"P6", "NAZWISKO"},       {"P7", "IMIE"},     {"P8", "DATAUR"},
        {"P9", "ZKRAJ"},   {"P10", "ZWOJEWODZTWO"},  {"P11", "ZPOWIAT"}, {"P12", "ZGMINA"},
        {"P13", "ZULICA"}, {"P14", "ZNUMER"},        {"P15", "ZLOKAL"},  {"P16", "ZMIEJSCOWOSC"},
        {"P17", "ZKOD"},   {"P18", "ZPOCZTA"},
    };
    for (const auto &[position, field] : copied)
        setText(declaration, position, text(taxpayer, field));

    const FirmData firm = firmData(dane);
    const double share = taxpayer.field(QStringLiteral("ZAPAS4")).asFloat();
    if (taxpayer.field(QStringLiteral("ZL2")).asBoolean()) {
        setText(declaration, "M117", firm.place);
        declaration.field(QStringLiteral("M118")).setFloat(share);
    } else {
        declaration.field(QStringLiteral("K70")).setFloat(share);
        setText(declaration, "K66", firm.nip);
        setText(declaration, "K67", firm.regon);
        setText(declaration, "K68", firm.name);
        setText(declaration, "K69", firm.place);
    }
}

enum class SumsImport { Saved, NoSums, NotSaved };

// Revenue and costs of the declaration's month from the ledger's running sums of the
// declaration's year, through a cursor of its own so that the ledger's sums stay on the
// working year whatever year the declaration is for.
SumsImport importRunningSums(TDANE &dane, Prompter &prompter)
{
    Cursor &declaration = dane.TDEK;
    const QString year = text(declaration, "P4").mid(3, 4);
    Cursor sums(dane.session(), QStringLiteral("TSUMAPIT"));
    try {
        sums.setTableName(dane.environment().dataRoot + year + QStringLiteral("/KSIEGA/SUMA.DB"));
        sums.open();
    } catch (const DbError &) {
        return SumsImport::NoSums;
    }
    if (!sums.findKey({QLatin1Char('N') + text(declaration, "MC")}))
        return SumsImport::NoSums;
    const Money revenue = sums.field(QStringLiteral("K9")).asCurrency();
    const Money costs =
        CalculatedAmount(QStringLiteral("kosztów z sum księgi (kolumny 10 + 11 + 14)"), [&] {
            return sums.field(QStringLiteral("K10")).asCurrency()
                   + sums.field(QStringLiteral("K11")).asCurrency()
                   + sums.field(QStringLiteral("K14")).asCurrency();
        });
    const bool rental = IsRentalTaxpayer(dane);
    const Decimal share = ShareIn(declaration.field(rental ? QStringLiteral("M118") : QStringLiteral("K70")));
    EnsureEditing(declaration);
    declaration.field(rental ? QStringLiteral("M119") : QStringLiteral("K71"))
        .setCurrency(ShareOf(revenue, share));
    declaration.field(rental ? QStringLiteral("M120") : QStringLiteral("K72"))
        .setCurrency(ShareOf(costs, share));
    return SaveTable(declaration, prompter) ? SumsImport::Saved : SumsImport::NotSaved;
}

struct Carried {
    Money contributions; // P34
    Money health;        // P48
    Money advances;      // P54
};

// This month's contributions from the constants, plus what the taxpayer's declaration of
// the month before had reached.
Carried carriedAmounts(TDANE &dane)
{
    Carried carried;
    carried.health = TaxConstantOrZero(dane.TSTALE, 12, "KWOTAMIN");
    const QString contributions = QStringLiteral("pola P34");
    const QString health = QStringLiteral("pola P48");
    carried.contributions = CalculatedAmount(contributions, [&] {
        Money sum;
        for (int code = 1; code <= 7; ++code)
            sum += TaxConstantOrZero(dane.TSTALE, code, "KWOTAMIN");
        return sum;
    });

    Cursor &declaration = dane.TDEK;
    const int month = text(declaration, "MC").toInt();
    if (month <= 1)
        return carried;
    Cursor previous(dane.session(), QStringLiteral("TDEKPOP"));
    previous.setTableName(declaration.tablePath());
    previous.open();
    const QString previousMonth = QStringLiteral("%1").arg(month - 1, 2, 10, QLatin1Char('0'));
    if (previous.findKey({previousMonth, text(declaration, "NIP")})) {
        carried.advances = previous.field(QStringLiteral("P56")).asCurrency();
        carried.health = CalculatedAmount(health, [&] {
            return carried.health + previous.field(QStringLiteral("P48")).asCurrency();
        });
        carried.contributions = CalculatedAmount(contributions, [&] {
            return carried.contributions + previous.field(QStringLiteral("P34")).asCurrency();
        });
    }
    return carried;
}

// The order in which a copy takes the fields over; every assignment runs its rules.
QStringList copyOrder(const Cursor &declarations)
{
    QStringList order = {QStringLiteral("MC"), QStringLiteral("NIP"), QStringLiteral("P1")};
    const auto range = [&order](QChar prefix, int first, int last) {
        for (int number = first; number <= last; ++number)
            order << prefix + QString::number(number);
    };
    range(QLatin1Char('P'), 4, 65);
    range(QLatin1Char('K'), 66, 101);
    range(QLatin1Char('L'), 84, 115);
    range(QLatin1Char('M'), 116, 129);
    range(QLatin1Char('N'), 130, 133);
    order << QStringLiteral("O133");
    order.removeIf([&declarations](const QString &field) { return !declarations.hasField(field); });
    return order;
}

} // namespace

NewDeclarationResult NewDeclaration(TDANE &dane, Prompter &prompter)
{
    if (!HasTaxpayers(dane)) {
        const bool open = prompter.confirm(
            QStringLiteral("Brak zdefiniowanego podatnika.\rCzy otworzyć formularz podatników ?"),
            MessageIcon::Information);
        return open ? NewDeclarationResult::OpenTaxpayers : NewDeclarationResult::NoTaxpayer;
    }
    Cursor &declaration = dane.TDEK;
    declaration.insert();
    const QDate today = QDate::fromString(dane.environment().today, QStringLiteral("yyyy.MM.dd"));
    setText(declaration, "P4", today.toString(QStringLiteral("MM-yyyy")));
    setText(declaration, "O133", today.toString(QStringLiteral("dd-MM-yyyy")));
    fillFromTaxpayer(dane);
    return NewDeclarationResult::Created;
}

bool ImportLedgerData(TDANE &dane, Prompter &prompter)
{
    Cursor &declaration = dane.TDEK;
    if (!hasDeclaration(declaration))
        return false;
    const Answer answer = prompter.ask(
        MessageIcon::Information,
        QStringLiteral("Czy chcesz importować dane dla mc: ") + text(declaration, "MC"),
        MessageButtons::OkCancel);
    if (answer != Answer::Ok)
        return false;
    // Worked out before anything is saved: a sum no amount holds leaves the declaration whole.
    const Carried carried = carriedAmounts(dane);
    switch (importRunningSums(dane, prompter)) {
    case SumsImport::NotSaved:
        return false;
    case SumsImport::NoSums:
        prompter.inform(QStringLiteral("Brak informacji z Księgi Podatkowej"));
        break;
    case SumsImport::Saved:
        break;
    }
    EnsureEditing(declaration);
    declaration.field(QStringLiteral("P34")).setCurrency(carried.contributions);
    declaration.field(QStringLiteral("P48")).setCurrency(carried.health);
    declaration.field(QStringLiteral("P54")).setCurrency(carried.advances);
    return SaveTable(declaration, prompter);
}

bool SaveDeclaration(TDANE &dane, Prompter &prompter)
{
    return SaveTable(dane.TDEK, prompter);
}

bool CopyDeclaration(TDANE &dane, Prompter &prompter)
{
    Cursor &declaration = dane.TDEK;
    if (!hasDeclaration(declaration) || !SaveTable(declaration, prompter) || declaration.isEmpty())
        return false;
    const QStringList order = copyOrder(declaration);
    QVariantList values;
    for (const QString &field : order)
        values << declaration.field(field).storedValue();
    declaration.insert();
    for (int i = 0; i < order.size(); ++i)
        declaration.field(order[i]).setStoredValue(values[i]);
    return SaveTable(declaration, prompter);
}

bool DeleteDeclaration(TDANE &dane, Prompter &prompter)
{
    Cursor &declaration = dane.TDEK;
    if (!hasDeclaration(declaration))
        return false;
    if (!prompter.confirm(QStringLiteral("Czy skasować deklarację ?")))
        return false;
    declaration.remove();
    return true;
}

bool CloseDeclaration(TDANE &dane, Prompter &prompter)
{
    Cursor &declaration = dane.TDEK;
    if (!declaration.isEditing())
        return true;
    if (prompter.confirm(QStringLiteral("Czy zapisać zmiany ?")))
        return SaveTable(declaration, prompter);
    declaration.cancel();
    return true;
}

QString DeclarationPeriodText(TDANE &dane)
{
    if (!hasDeclaration(dane.TDEK))
        return QStringLiteral("Miesiąc + Rok");
    return text(dane.TDEK, "P4");
}

QString DeclarationTaxpayerText(TDANE &dane)
{
    if (!hasDeclaration(dane.TDEK))
        return QStringLiteral("Firma");
    return text(dane.TDEK, "P6") + QLatin1Char(' ') + text(dane.TDEK, "P7");
}

bool FindDeclaration(TDANE &dane, qint64 autoNumber)
{
    Cursor &declarations = dane.TDEK;
    if (!declarations.isOpen())
        return false;
    const Cursor::Bookmark place = declarations.bookmark();
    declarations.disableControls();
    bool found = false;
    for (declarations.first(); !declarations.eof(); declarations.next()) {
        if (declarations.field(QStringLiteral("AUTO")).asInteger() == autoNumber) {
            found = true;
            break;
        }
    }
    if (!found && place.isValid())
        declarations.gotoBookmark(place);
    declarations.enableControls();
    return found;
}

QString DeclarationWindowCaption(TDANE &dane)
{
    return programTitle() + QLatin1Char(' ') + firmData(dane).shortName;
}
