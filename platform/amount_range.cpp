#include "platform/amount_range.h"

AmountOverflow::AmountOverflow()
    : DbError(QStringLiteral("Wynik obliczenia na kwotach jest poza zakresem, jaki może mieć "
                             "kwota. Polecenie przerwano."))
{
}

AmountOverflow::AmountOverflow(const QString &result)
    : DbError(QStringLiteral("Nie można obliczyć %1: wynik jest poza zakresem, jaki może mieć "
                             "kwota. Polecenie przerwano.")
                  .arg(result)),
      namesResult_(true)
{
}

void throwAmountOverflow()
{
    throw AmountOverflow();
}
