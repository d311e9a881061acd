#include "platform/clock.h"

static const char dateFormat[] = "yyyy.MM.dd";

QDate today()
{
    const QDate fixed = QDate::fromString(qEnvironmentVariable("KSIEGA_TODAY").trimmed(),
                                          QLatin1String(dateFormat));
    return fixed.isValid() ? fixed : QDate::currentDate();
}

QString todayText()
{
    return today().toString(QLatin1String(dateFormat));
}
