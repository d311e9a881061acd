#include "maintenance/year_change.h"

#include "core/data_module.h"

bool ChangeWorkingYear(TDANE &dane, const QString &year)
{
    WorkingEnvironment &environment = dane.environment();
    dane.session().closeAll();
    // The start sequence takes the year as if the program had been started for it, so that
    // neither the accounting-year shift nor the year named at start-up moves it elsewhere.
    dane.setStartArguments({environment.dataRoot, year});
    environment.workingYear = year;
    dane.DataModuleCreate();
    environment.workingMonth = QStringLiteral("01");
    return !environment.abort;
}
