#include "platform/amount_range.h"

AmountOverflow::AmountOverflow()
    : DbError(QStringLiteral("Wynik obliczenia na kwotach jest poza zakresem, jaki może mieć "
                             "kwota. Polecenie przerwano."))
{
}

void throwAmountOverflow()
{
    throw AmountOverflow();
}
