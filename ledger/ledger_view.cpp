#include "ledger/ledger_view.h"

#include "core/data_module.h"
#include "core/working_environment.h"
#include "ledger/ledger_rules.h"

const QStringList &MonthButtonCaptions()
{
    static const QStringList captions = {
        QStringLiteral("Styczeń"),     QStringLiteral("Luty"),      QStringLiteral("Marzec"),
        QStringLiteral("Kwiecień"),    QStringLiteral("Maj"),       QStringLiteral("Czerwiec"),
        QStringLiteral("Lipiec"),      QStringLiteral("Sierpień"),  QStringLiteral("Wrzesień"),
        QStringLiteral("Październik"), QStringLiteral("Listopad"),  QStringLiteral("Grudzień"),
        QStringLiteral("Wszystkie")};
    return captions;
}

QString MonthTitleName(int month)
{
    static const QStringList names = {
        QStringLiteral("styczeń"),     QStringLiteral("luty"),      QStringLiteral("marzec"),
        QStringLiteral("kwiecień"),    QStringLiteral("maj"),       QStringLiteral("czerwiec"),
        QStringLiteral("lipiec"),      QStringLiteral("sierpień"),  QStringLiteral("wrzesień"),
        QStringLiteral("październik"), QStringLiteral("listopad"),  QStringLiteral("grudzień"),
        QStringLiteral("wszystkie")};
    return names.value(month - 1);
}

QString LedgerTitle(const WorkingEnvironment &environment)
{
    return QStringLiteral("PODATKOWA KSIĘGA PRZYCHODÓW i ROZCHODÓW miesiąc : ")
           + MonthTitleName(WorkingMonthNumber(environment)) + QLatin1Char(' ')
           + environment.workingYear;
}

int WorkingMonthNumber(const WorkingEnvironment &environment)
{
    return environment.workingMonth.toInt();
}

bool ShowsPostedMonth(const WorkingEnvironment &environment)
{
    return WorkingMonthNumber(environment) <= environment.lastPostedMonth;
}

QString PostingPanelText(const WorkingEnvironment &environment)
{
    return ShowsPostedMonth(environment) ? QStringLiteral("miesiąc zaksięgowany") : QString();
}

QString FirstOpenMonth(const WorkingEnvironment &environment)
{
    return QStringLiteral("%1").arg(environment.lastPostedMonth + 1, 2, 10, QLatin1Char('0'));
}

bool RecordCommandsOffered(TDANE &dane)
{
    const WorkingEnvironment &environment = dane.environment();
    return WorkingMonthNumber(environment) < 13 && !monthIsPosted(dane, environment.workingMonth);
}
