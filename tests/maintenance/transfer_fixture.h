#pragma once
// A started data root and the text files an import reads or an export leaves, written and
// read as Windows-1250 bytes.

#include "tests/core/data_root_fixture.h"

#include "platform/progress.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

class TransferTest : public DataRootTest {
protected:
    // Contractors put into the catalogue's file as the invoicing program would: number,
    // short name, place.
    TDANE &startWith(const QList<std::tuple<int, QString, QString>> &contractors)
    {
        for (const auto &[nr, skrot, miejsc] : contractors)
            plainSql(QStringLiteral("2019/FIN/KONTRAHI.DB"),
                     QStringLiteral("INSERT INTO KONTRAHI (NR, SKROT, MIEJSC) VALUES (%1, '%2', '%3')")
                         .arg(nr)
                         .arg(skrot, miejsc));
        return start();
    }

    QString write(const QString &name, const QString &text)
    {
        QStringEncoder encoder("windows-1250");
        writeBytes(name, encoder.encode(text));
        return at(name);
    }
    void writeBytes(const QString &name, const QByteArray &bytes)
    {
        QFile file(at(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString read(const QString &name)
    {
        QFile file(at(name));
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("(brak pliku)");
        QStringDecoder decoder("windows-1250");
        return decoder.decode(file.readAll());
    }

    // Every contractor, one "NR|SKROT|MIEJSC|NIP" a row, in number order.
    QStringList contractors()
    {
        QStringList rows;
        Cursor &table = dane->TKontrah;
        table.setIndexName(QString());
        for (table.first(); !table.eof(); table.next())
            rows << QStringList{table.field(QStringLiteral("NR")).asString(),
                                table.field(QStringLiteral("SKROT")).asString(),
                                table.field(QStringLiteral("MIEJSC")).asString(),
                                table.field(QStringLiteral("NIP")).asString()}
                        .join(QLatin1Char('|'));
        return rows;
    }

    SilentProgress progress;
};
