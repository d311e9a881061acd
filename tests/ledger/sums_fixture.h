#pragma once
// A started data root with helpers to put entries straight into the ledger and to read the
// rows of the sums table back as text.

#include "tests/core/data_root_fixture.h"

#include <initializer_list>
#include <utility>

class SumsTest : public DataRootTest {
protected:
    using Amounts = std::initializer_list<std::pair<const char *, const char *>>;

    // An entry as an import writes it: the ledger's hooks run, no window is involved.
    void addEntry(int number, const char *month, Amounts amounts = {})
    {
        Cursor &ledger = dane->TKSIEGA;
        ledger.append();
        ledger.field("LP").setInteger(number);
        ledger.field("MC").setAsString(month);
        for (const auto &[field, value] : amounts)
            ledger.field(field).setAsString(value);
        ledger.post();
    }

    // A sums row's fields as text: amounts "1234,50", ratios with two decimals, blank "".
    QHash<QString, QString> sumsRow(const QString &key)
    {
        Cursor &sums = dane->TSUMA;
        EXPECT_TRUE(sums.findKey({key})) << key.toStdString();
        QHash<QString, QString> row;
        for (int i = 0; i < sums.fieldCount(); ++i) {
            const Field field = sums.field(i);
            QString text;
            if (field.isNull())
                text.clear();
            else if (field.type() == FieldType::Currency)
                text = field.asCurrency().toString(2);
            else if (field.type() == FieldType::Float)
                text = QString::number(field.asFloat(), 'f', 2);
            else
                text = field.asString();
            row.insert(field.name(), text);
        }
        return row;
    }

    // Every sums row, to show that a command changed nothing.
    QList<QHash<QString, QString>> allSums()
    {
        QList<QHash<QString, QString>> rows;
        Cursor &sums = dane->TSUMA;
        QStringList keys;
        for (sums.first(); !sums.eof(); sums.next())
            keys << sums.field("KOD").asString();
        for (const QString &key : keys)
            rows << sumsRow(key);
        return rows;
    }

    static QString amount(const QHash<QString, QString> &row, int column)
    {
        return row.value(QStringLiteral("K%1").arg(column));
    }
};
