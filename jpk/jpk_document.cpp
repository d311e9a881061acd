#include "jpk/jpk_document.h"

namespace {

const QString Tns = QStringLiteral("http://jpk.mf.gov.pl/wzor/2024/10/30/10302/");
const QString Etd = QStringLiteral("http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2022/01/05/eD/DefinicjeTypy/");

QString isoDate(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

} // namespace

JpkDocument::JpkDocument(QIODevice *device) : xml_(device)
{
    xml_.setAutoFormatting(true);
    xml_.setAutoFormattingIndent(1);
}

void JpkDocument::amount(const QString &element, Money value, bool always)
{
    const Money shown = value.rounded(2);
    if (shown == Money() && !always)
        return;
    xml_.writeTextElement(Tns, element, shown.toString(2, QLatin1Char('.')));
}

void JpkDocument::text(const QString &element, const QString &value)
{
    xml_.writeTextElement(Tns, element, value.simplified().left(JpkTextLimit));
}

void JpkDocument::begin(const JpkHeader &header, const JpkSubject &subject, const JpkInfo &info)
{
    xml_.writeStartDocument();
    xml_.writeNamespace(Etd, QStringLiteral("etd"));
    xml_.writeDefaultNamespace(Tns);
    xml_.writeStartElement(Tns, QStringLiteral("JPK"));

    xml_.writeStartElement(Tns, QStringLiteral("Naglowek"));
    xml_.writeStartElement(Tns, QStringLiteral("KodFormularza"));
    xml_.writeAttribute(QStringLiteral("kodSystemowy"), QStringLiteral("JPK_PKPIR (3)"));
    xml_.writeAttribute(QStringLiteral("wersjaSchemy"), QStringLiteral("1-0"));
    xml_.writeCharacters(QStringLiteral("JPK_PKPIR"));
    xml_.writeEndElement();
    xml_.writeTextElement(Tns, QStringLiteral("WariantFormularza"), QStringLiteral("3"));
    xml_.writeTextElement(Tns, QStringLiteral("CelZlozenia"), QString::number(header.purpose));
    xml_.writeTextElement(Tns, QStringLiteral("DataWytworzeniaJPK"),
                          header.created.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
    xml_.writeTextElement(Tns, QStringLiteral("DataOd"), isoDate(header.from));
    xml_.writeTextElement(Tns, QStringLiteral("DataDo"), isoDate(header.to));
    xml_.writeTextElement(Tns, QStringLiteral("KodUrzedu"), header.officeCode);
    xml_.writeEndElement();

    xml_.writeStartElement(Tns, QStringLiteral("Podmiot1"));
    xml_.writeAttribute(QStringLiteral("rola"), QStringLiteral("Podatnik"));
    if (subject.naturalPerson) {
        // The person's identification is a type of the shared definitions: its elements
        // belong to their namespace; what this schema adds to it belongs to its own.
        xml_.writeStartElement(Tns, QStringLiteral("OsobaFizyczna"));
        xml_.writeTextElement(Etd, QStringLiteral("NIP"), subject.nip);
        xml_.writeTextElement(Etd, QStringLiteral("ImiePierwsze"), subject.firstName.simplified());
        xml_.writeTextElement(Etd, QStringLiteral("Nazwisko"), subject.surname.simplified());
        xml_.writeTextElement(Etd, QStringLiteral("DataUrodzenia"), isoDate(subject.birthDate));
    } else {
        xml_.writeStartElement(Tns, QStringLiteral("OsobaNiefizyczna"));
        xml_.writeTextElement(Tns, QStringLiteral("NIP"), subject.nip);
        xml_.writeTextElement(Tns, QStringLiteral("PelnaNazwa"), subject.fullName.simplified().left(240));
    }
    if (!subject.email.trimmed().isEmpty())
        xml_.writeTextElement(Tns, QStringLiteral("Email"), subject.email.trimmed());
    xml_.writeEndElement();
    xml_.writeEndElement();

    xml_.writeStartElement(Tns, QStringLiteral("PKPIRInfo"));
    amount(QStringLiteral("P_1"), info.p1, true);
    amount(QStringLiteral("P_2"), info.p2, true);
    amount(QStringLiteral("P_3"), info.p3, true);
    amount(QStringLiteral("P_4"), info.p4, true);
    xml_.writeEndElement();
}

void JpkDocument::stockTaking(const QDate &date, Money value)
{
    xml_.writeStartElement(Tns, QStringLiteral("PKPIRSpis"));
    xml_.writeTextElement(Tns, QStringLiteral("P_5A"), isoDate(date));
    amount(QStringLiteral("P_5B"), value, true);
    xml_.writeEndElement();
}

void JpkDocument::row(const JpkRow &row)
{
    xml_.writeStartElement(Tns, QStringLiteral("PKPIRWiersz"));
    xml_.writeTextElement(Tns, QStringLiteral("K_1"), QString::number(row.number));
    xml_.writeTextElement(Tns, QStringLiteral("K_2"), isoDate(row.date));
    text(QStringLiteral("K_3A"), row.document);
    if (!row.ksef.isEmpty())
        xml_.writeTextElement(Tns, QStringLiteral("K_3B"), row.ksef);
    if (!row.taxIdentifier.isEmpty()) {
        xml_.writeTextElement(Tns, QStringLiteral("K_4A"), row.country);
        xml_.writeTextElement(Tns, QStringLiteral("K_4B"), row.taxIdentifier.left(50));
    }
    text(QStringLiteral("K_5A"), row.name);
    text(QStringLiteral("K_5B"), row.address);
    text(QStringLiteral("K_6"), row.description);
    amount(QStringLiteral("K_7"), row.k7);
    amount(QStringLiteral("K_8"), row.k8);
    amount(QStringLiteral("K_9"), row.k9);
    amount(QStringLiteral("K_10"), row.k10);
    amount(QStringLiteral("K_11"), row.k11);
    amount(QStringLiteral("K_12"), row.k12);
    amount(QStringLiteral("K_13"), row.k13);
    amount(QStringLiteral("K_14"), row.k14);
    amount(QStringLiteral("K_15"), row.k15);
    if (row.researchCosts != Money()) {
        text(QStringLiteral("K_16A"), row.researchDescription);
        amount(QStringLiteral("K_16B"), row.researchCosts, true);
    }
    if (!row.remarks.isEmpty())
        text(QStringLiteral("K_17"), row.remarks);
    xml_.writeEndElement();
}

void JpkDocument::end(qint64 rows, Money revenue)
{
    xml_.writeStartElement(Tns, QStringLiteral("PKPIRCtrl"));
    xml_.writeTextElement(Tns, QStringLiteral("LiczbaWierszy"), QString::number(rows));
    amount(QStringLiteral("SumaPrzychodow"), revenue, true);
    xml_.writeEndElement();
    xml_.writeEndElement();
    xml_.writeEndDocument();
}
