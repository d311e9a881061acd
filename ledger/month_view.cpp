#include "ledger/month_view.h"

#include "core/data_module.h"

void SelectWorkingMonth(TDANE &dane, const QString &month)
{
    dane.environment().workingMonth = month;
    if (dane.TKSIEGA.isOpen())
        dane.TKSIEGA.setFiltered(month < QLatin1String("13"));
}

bool showsAllMonths(TDANE &dane)
{
    return dane.environment().workingMonth >= QLatin1String("13");
}
