#pragma once
// A started data root whose catalogue holds the contractors a test puts there, written
// into the files beforehand as the invoicing program would write them.

#include "tests/core/data_root_fixture.h"

#include "platform/scripted_prompter.h"

class ContractorTest : public DataRootTest {
protected:
    // Rows of the catalogue: number, NIP, short name, place.
    struct Row {
        int nr;
        QString nip;
        QString skrot;
        QString miejsc;
    };
    TDANE &startWith(const QList<Row> &rows)
    {
        for (const Row &row : rows)
            plainSql(QStringLiteral("2019/FIN/KONTRAHI.DB"),
                     QStringLiteral("INSERT INTO KONTRAHI (NR, NIP, SKROT, NAZWA1, MIEJSC) "
                                    "VALUES (%1, '%2', '%3', '%3 pełna', '%4')")
                         .arg(row.nr)
                         .arg(row.nip, row.skrot, row.miejsc));
        return start();
    }
    void addDescription(int nr, const QString &phone)
    {
        plainSql(QStringLiteral("2019/FIN/KONTRAHO.DB"),
                 QStringLiteral("INSERT INTO KONTRAHO (NR, Tel1) VALUES (%1, '%2')").arg(nr).arg(phone));
    }
    // Numbers in the catalogue's present order.
    QList<qint64> numbers()
    {
        Cursor &contractors = dane->TKontrah;
        const Cursor::Bookmark here = contractors.bookmark();
        QList<qint64> result;
        for (contractors.first(); !contractors.eof(); contractors.next())
            result << contractors.field(QStringLiteral("NR")).asInteger();
        contractors.gotoBookmark(here);
        return result;
    }
    qint64 current() { return dane->TKontrah.field(QStringLiteral("NR")).asInteger(); }
    QString currentText(const char *field)
    {
        return dane->TKontrah.field(QString::fromLatin1(field)).asString();
    }
};
