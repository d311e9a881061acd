#pragma once
// A started data module on a fresh data root, with shorthand for the declaration, the
// taxpayers, the tax constants and the ledger's running sums.

#include "core/table_access.h"
#include "pit5/taxpayer_register.h"
#include "tests/core/data_root_fixture.h"

#include <initializer_list>
#include <ostream>
#include <utility>

inline void PrintTo(const Money &money, std::ostream *out)
{
    *out << money.toString(4).toStdString();
}

inline Money zl(const char *text)
{
    return *Money::parse(QString::fromUtf8(text));
}

class Pit5Test : public DataRootTest {
protected:
    void SetUp() override
    {
        DataRootTest::SetUp();
        start();
    }

    Cursor &dek() { return dane->TDEK; }
    Money amount(const char *field) { return dek().field(QString::fromLatin1(field)).asCurrency(); }
    QString text(const char *field) { return dek().field(QString::fromLatin1(field)).asString(); }

    // Assigns as a user types, one field after the other.
    void type(std::initializer_list<std::pair<const char *, const char *>> values)
    {
        EnsureEditing(dek());
        for (const auto &[field, value] : values)
            dek().field(QString::fromLatin1(field)).setAsString(QString::fromUtf8(value));
    }

    void setConstant(int code, const char *field, const char *value)
    {
        Cursor &constants = dane->TSTALE;
        ASSERT_TRUE(constants.findKey({code}));
        constants.edit();
        constants.field(QString::fromLatin1(field)).setAsString(QString::fromUtf8(value));
        constants.post();
    }

    void removeConstant(int code)
    {
        ASSERT_TRUE(dane->TSTALE.findKey({code}));
        dane->TSTALE.remove();
    }

    // The constants of the worked example: 19/30/40 %, threshold 37 024, reducing 530,08.
    void useExampleScale()
    {
        setConstant(8, "WARTOSC", "19");
        setConstant(9, "WARTOSC", "30");
        setConstant(10, "WARTOSC", "40");
        setConstant(11, "WARTOSC", "37024");
        setConstant(15, "WARTOSC", "530,08");
    }

    struct Taxpayer {
        const char *surname = "Kowalski";
        const char *nip = "1234567890";
        const char *share = "100";
        bool flatRate = false;
        bool rental = false;
    };

    int addTaxpayer(const Taxpayer &taxpayer)
    {
        NewTaxpayer(*dane);
        Cursor &view = dane->TOSOBA;
        view.field(QStringLiteral("NAZWISKO")).setAsString(QString::fromUtf8(taxpayer.surname));
        view.field(QStringLiteral("IMIE")).setAsString(QStringLiteral("Jan"));
        view.field(QStringLiteral("NIP")).setAsString(QString::fromUtf8(taxpayer.nip));
        view.field(QStringLiteral("ZAPAS4")).setAsString(QString::fromUtf8(taxpayer.share));
        view.field(QStringLiteral("ZL1")).setBoolean(taxpayer.flatRate);
        view.field(QStringLiteral("ZL2")).setBoolean(taxpayer.rental);
        EXPECT_TRUE(SaveTaxpayer(*dane, prompter));
        return int(view.field(QStringLiteral("NR")).asInteger());
    }

    // The running row of a month, as posting writes it; amounts in złoty.
    void writeRunningSums(const QString &year, int month, qint64 revenue, qint64 goods,
                          qint64 side, qint64 expenses)
    {
        plainSql(year + QStringLiteral("/KSIEGA/SUMA.DB"),
                 QStringLiteral("UPDATE SUMA SET K9=%1, K10=%2, K11=%3, K14=%4 WHERE KOD='N%5'")
                     .arg(revenue * Money::UnitsPerZloty)
                     .arg(goods * Money::UnitsPerZloty)
                     .arg(side * Money::UnitsPerZloty)
                     .arg(expenses * Money::UnitsPerZloty)
                     .arg(month, 2, 10, QLatin1Char('0')));
    }
};
