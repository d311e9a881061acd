#include "ledger/entry_editor_support.h"

#include "core/calendar.h"
#include "core/data_module.h"
#include "core/table_access.h"
#include "ledger/ledger_rules.h"

const QStringList &FieldsLockedInPostedMonth()
{
    static const QStringList fields = {
        QStringLiteral("MC"),  QStringLiteral("LP"),  QStringLiteral("DATA"),
        QStringLiteral("K7"),  QStringLiteral("K8"),  QStringLiteral("K9"),
        QStringLiteral("K10"), QStringLiteral("K11"), QStringLiteral("K12"),
        QStringLiteral("K13"), QStringLiteral("K14"), QStringLiteral("K16")};
    return fields;
}

bool EntryMonthOpen(TDANE &dane)
{
    return !monthIsPosted(dane, dane.environment().workingMonth);
}

QStringList DescriptionNames(Cursor &descriptions)
{
    QStringList names;
    if (!descriptions.isOpen())
        return names;
    const Cursor::Bookmark place = descriptions.bookmark();
    descriptions.disableControls();
    for (descriptions.first(); !descriptions.eof(); descriptions.next())
        names << descriptions.field(QStringLiteral("NAZWA")).asString();
    descriptions.gotoBookmark(place);
    descriptions.enableControls();
    return names;
}

std::optional<QString> SteppedDate(const QString &date, bool up)
{
    bool yearOk = false;
    bool monthOk = false;
    bool dayOk = false;
    int year = date.mid(0, 4).toInt(&yearOk);
    int month = date.mid(5, 2).toInt(&monthOk);
    int day = date.mid(8, 2).toInt(&dayOk);
    if (!yearOk || !monthOk || !dayOk || month < 1 || month > 12)
        return std::nullopt;
    if (up) {
        if (++day > DaysInMonth(month, year)) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    } else if (--day <= 0) {
        if (--month < 1) {
            month = 12;
            --year;
        }
        day = DaysInMonth(month, year);
    }
    return QStringLiteral("%1.%2.%3")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

bool StepEntryDate(TDANE &dane, bool up)
{
    Cursor &ledger = dane.TKSIEGA;
    if (!ledger.isOpen())
        return false;
    const std::optional<QString> stepped =
        SteppedDate(ledger.field(QStringLiteral("DATA")).asString(), up);
    if (!stepped)
        return false;
    EnsureEditing(ledger);
    if (!ledger.isEditing())
        return false;
    ledger.field(QStringLiteral("DATA")).setAsString(*stepped);
    return true;
}
