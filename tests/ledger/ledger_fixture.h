#pragma once
// A started data root whose ledger is filled straight through the cursor, with chosen
// numbers, months and dates, and months marked posted before the start.

#include "ledger/month_view.h"
#include "tests/core/data_root_fixture.h"

#include <QScopedValueRollback>
#include <initializer_list>
#include <utility>

class LedgerTest : public DataRootTest {
protected:
    using Fields = std::initializer_list<std::pair<const char *, const char *>>;

    // Starts the program with `months` ("'01','02'") posted, showing `month`.
    TDANE &ready(const QString &months = QString(), const QString &month = QStringLiteral("05"))
    {
        if (!months.isEmpty())
            plainSql("2019/KSIEGA/SUMA.DB", "UPDATE SUMA SET OZN = '*' WHERE KOD IN (" + months + ")");
        TDANE &d = start();
        SelectWorkingMonth(d, month);
        return d;
    }

    // An entry dated as given (an import's entries keep their own dates).
    void entry(int number, const char *month, const char *date, Fields fields = {})
    {
        Cursor &ledger = dane->TKSIEGA;
        QScopedValueRollback<bool> imported(dane->environment().importInProgress, true);
        ledger.append();
        ledger.field("LP").setInteger(number);
        ledger.field("MC").setAsString(month);
        ledger.field("DATA").setAsString(date);
        for (const auto &[field, value] : fields)
            ledger.field(field).setAsString(QString::fromUtf8(value));
        ledger.post();
    }

    // "LP MC DATA" of every entry in book order, the view left as it was.
    QStringList book()
    {
        Cursor &ledger = dane->TKSIEGA;
        const QString month = dane->environment().workingMonth;
        SelectWorkingMonth(*dane, "13");
        QStringList lines;
        for (ledger.first(); !ledger.eof(); ledger.next())
            lines << QStringLiteral("%1 %2 %3").arg(ledger.field("LP").asString(),
                                                    ledger.field("MC").asString(),
                                                    ledger.field("DATA").asString());
        SelectWorkingMonth(*dane, month);
        return lines;
    }
};
