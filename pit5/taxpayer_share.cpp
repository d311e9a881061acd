#include "pit5/taxpayer_share.h"

#include "core/data_module.h"
#include "platform/field.h"

Decimal ShareIn(const Field &field)
{
    const double share = field.asFloat();
    const std::optional<Decimal> exact = Decimal::fromDouble(share);
    if (!exact || !exact->isWithin(0, 100))
        throw DbError(QStringLiteral("Udział %1 w polu %2 jest poza zakresem od 0 do 100 %.")
                          .arg(exact ? exact->toString() : QString::number(share), field.name()));
    return *exact;
}

Money ShareOf(Money amount, Decimal share)
{
    return ScaledAmount(amount, share, 100);
}

void installShareChecks(TDANE &dane)
{
    const auto check = [](Field share) { ShareIn(share); };
    dane.TOSOBA.setFieldChange(QStringLiteral("ZAPAS4"), check);
    for (const char *field : {"K70", "K79", "K88", "K97", "L93", "L109", "M118", "M125"})
        dane.TDEK.setFieldChange(QString::fromLatin1(field), check);
}
