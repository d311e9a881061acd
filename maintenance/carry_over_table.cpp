#include "maintenance/carry_over_table.h"

namespace {

const QString MonthSums = QStringLiteral("01N;01V;02N;02V;03N;03V;04N;04V;05N;05V;06N;06V;07N;07V;"
                                         "08N;08V;09N;09V;10N;10V;11N;11V;12N;12V");

} // namespace

const QList<CarryOver> &carryOverTable()
{
    static const QList<CarryOver> table = {
        {QStringLiteral("ANALIZA\\CENA.DB"), false, {}},
        {QStringLiteral("ANALIZA\\DLUG.DB"), false, {}},
        {QStringLiteral("ANALIZA\\IS.DB"), false, {}},
        {QStringLiteral("ANALIZA\\PLATNOSC.DB"), false, {}},
        {QStringLiteral("ANALIZA\\WS.DB"), false, {}},
        {QStringLiteral("AUTO\\AUTO.DB"), true, {}},
        {QStringLiteral("AUTO\\TRASA.DB"), false, {}},
        {QStringLiteral("AUTO\\KOSZTY.DB"), false, {}},
        {QStringLiteral("AUTO\\SUMA.DB"), false, {}},
        {QStringLiteral("AUTO\\OPISTRASA.DB"), true, {}},
        {QStringLiteral("AUTO\\OPISCEL.DB"), true, {}},
        {QStringLiteral("AUTO\\OPISKOSZT.DB"), true, {}},
        {QStringLiteral("AUTO\\STAWKA.DB"), true, {}},
        {QStringLiteral("DRUKI\\SUMA.DB"), true, MonthSums},
        {QStringLiteral("DRUKI\\SVAT.DB"), false, {}},
        {QStringLiteral("DRUKI\\DVAT7.DB"), false, {}},
        {QStringLiteral("DRUKI\\DPIT5.DB"), false, {}},
        {QStringLiteral("DRUKI\\VAT.DB"), false, {}},
        {QStringLiteral("FIN\\IndMat.DB"), true, QStringLiteral("BOILOSC;BOWARTOSC")},
        {QStringLiteral("FIN\\KOD.DB"), true, {}},
        {QStringLiteral("FIN\\KONTRAHI.DB"), true, {}},
        {QStringLiteral("FIN\\KONTRAHO.DB"), true, {}},
        {QStringLiteral("FIN\\KURSY.DB"), true, {}},
        {QStringLiteral("FIN\\NAGBANK.DB"), false, {}},
        {QStringLiteral("FIN\\NAGFAKS.DB"), false, {}},
        {QStringLiteral("FIN\\ODSETKI.DB"), true, {}},
        {QStringLiteral("FIN\\POZFAKS.DB"), false, {}},
        {QStringLiteral("FIN\\RD.DB"), true,
         QStringLiteral("NR;NR1;NR2;NR3;NR4;NR5;NR6;NR7;NR8;NR9;NR10;NR11;NR12")},
        {QStringLiteral("FIN\\SDOST.DB"), true, {}},
        {QStringLiteral("FIN\\SJM.DB"), true, {}},
        {QStringLiteral("FIN\\SOPIS.DB"), true, {}},
        {QStringLiteral("FIN\\SPEC.DB"), true, {}},
        {QStringLiteral("FIN\\SPRZE.DB"), true, {}},
        {QStringLiteral("FIN\\SVAT.DB"), true, {}},
        {QStringLiteral("FIN\\SUMA.DB"), false, {}},
        {QStringLiteral("FIN\\SZAPLAT.DB"), true, {}},
        {QStringLiteral("FIN\\WALUTA.DB"), true, {}},
        {QStringLiteral("FIN\\WYST.DB"), true, {}},
        {QStringLiteral("FIN\\ZAKUP.DB"), true, {}},
        {QStringLiteral("FIN\\ZLEC.DB"), true, {}},
        {QStringLiteral("KASA\\KASA.DB"), true, {}},
        {QStringLiteral("KASA\\NAGKASA.DB"), false, {}},
        {QStringLiteral("KASA\\OPISKASA.DB"), true, {}},
        {QStringLiteral("KASA\\RKASA.DB"), false, {}},
        {QStringLiteral("KSIEGA\\KSIEGA.DB"), false, {}},
        {QStringLiteral("KSIEGA\\OPISZG.DB"), true, {}},
        {QStringLiteral("KSIEGA\\SUMA.DB"), true,
         QStringLiteral("OZN;NAZWISKO;DATA;K7;K8;K9;K10;K11;K12;K13;K14;K15;K16;Ilstr;W1;W2;W3")},
        {QStringLiteral("KSIEGA\\USER.DB"), true, {}},
        {QStringLiteral("PLACE\\STALE.DB"), true, {}},
        {QStringLiteral("SLOWNIKI\\KONTAK.DB"), true, {}},
        {QStringLiteral("ST\\SUMA.DB"), true,
         QStringLiteral("OZN;POLE1;POLE2;POLE3;POLE4;POLE5;POLE6;POLE7;POLE8")},
        {QStringLiteral("ST\\AMOR.DB"), false, {}},
        {QStringLiteral("ST\\DOK.DB"), false, {}},
        {QStringLiteral("ST\\LOK.DB"), false, {}},
        {QStringLiteral("ST\\ST.DB"), false, {}},
        {QStringLiteral("VAT\\VAT.DB"), false, {}},
        {QStringLiteral("VAT\\VATUE.DB"), false, {}},
    };
    return table;
}

CarryOver carryOverFor(const QString &path, const QList<CarryOver> &table)
{
    QString file = path;
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    CarryOver found{QString(), true, QString()};
    for (const CarryOver &row : table) {
        QString ending = row.pathEnding;
        ending.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (file == ending || file.endsWith(QLatin1Char('/') + ending))
            found = row;
    }
    return found;
}
