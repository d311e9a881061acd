#include "jpk/jpk_document.h"

#include <QIODevice>

#include <utility>

namespace {

const QString Tns = QStringLiteral("http://jpk.mf.gov.pl/wzor/2024/10/30/10302/");
const QString Etd = QStringLiteral("http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2022/01/05/eD/DefinicjeTypy/");

// Text is moved to its device once it holds this many characters.
constexpr qsizetype BlockCharacters = 64 * 1024;

// YYYY-MM-DD. Qt's own ISO form goes through a printf, which a year of rows feels.
QString isoDate(const QDate &date)
{
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    QString text(10, QLatin1Char('-'));
    const auto digits = [&text](qsizetype at, int value, int width) {
        for (qsizetype i = at + width - 1; i >= at; --i, value /= 10)
            text[i] = QLatin1Char(char('0' + value % 10));
    };
    digits(0, year, 4);
    digits(5, month, 2);
    digits(8, day, 2);
    return text;
}

} // namespace

JpkDocument::JpkDocument(QIODevice *document, QIODevice *rows)
    : document_(document), rows_(rows)
{
}

void JpkDocument::moveTextTo(QIODevice *device)
{
    const QByteArray bytes = text_.toUtf8();
    text_.resize(0);
    if (device->write(bytes) != bytes.size())
        failed_ = true;
}

void JpkDocument::copyRows()
{
    if (!rows_->seek(0)) {
        failed_ = true;
        return;
    }
    while (!failed_ && !rows_->atEnd()) {
        const QByteArray block = rows_->read(1024 * 1024);
        if (block.isEmpty() || document_->write(block) != block.size())
            failed_ = true;
    }
}

void JpkDocument::amount(QLatin1String element, Money value, bool always)
{
    const Money shown = value.rounded(2);
    if (shown == Money() && !always)
        return;
    xml_.element(element, shown.toString(2, QLatin1Char('.')));
}

void JpkDocument::text(QLatin1String element, const QString &value)
{
    xml_.element(element, value.simplified().left(JpkTextLimit));
}

void JpkDocument::begin(const JpkHeader &header, const JpkSubject &subject)
{
    text_ = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    xml_.start(QLatin1String("JPK"), {{QLatin1String("xmlns:etd"), Etd}, {QLatin1String("xmlns"), Tns}});

    xml_.start(QLatin1String("Naglowek"));
    xml_.element(QLatin1String("KodFormularza"), u"JPK_PKPIR",
                 {{QLatin1String("kodSystemowy"), u"JPK_PKPIR (3)"},
                  {QLatin1String("wersjaSchemy"), u"1-0"}});
    xml_.element(QLatin1String("WariantFormularza"), u"3");
    xml_.element(QLatin1String("CelZlozenia"), QString::number(header.purpose));
    xml_.element(QLatin1String("DataWytworzeniaJPK"),
                 header.created.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
    xml_.element(QLatin1String("DataOd"), isoDate(header.from));
    xml_.element(QLatin1String("DataDo"), isoDate(header.to));
    xml_.element(QLatin1String("KodUrzedu"), header.officeCode);
    xml_.end(QLatin1String("Naglowek"));

    xml_.start(QLatin1String("Podmiot1"), {{QLatin1String("rola"), u"Podatnik"}});
    QLatin1String person;
    if (subject.naturalPerson) {
        // The person's identification is a type of the shared definitions: its elements
        // belong to their namespace; what this schema adds to it belongs to its own.
        person = QLatin1String("OsobaFizyczna");
        xml_.start(person);
        xml_.element(QLatin1String("etd:NIP"), subject.nip);
        xml_.element(QLatin1String("etd:ImiePierwsze"), subject.firstName.simplified());
        xml_.element(QLatin1String("etd:Nazwisko"), subject.surname.simplified());
        xml_.element(QLatin1String("etd:DataUrodzenia"), isoDate(subject.birthDate));
    } else {
        person = QLatin1String("OsobaNiefizyczna");
        xml_.start(person);
        xml_.element(QLatin1String("NIP"), subject.nip);
        xml_.element(QLatin1String("PelnaNazwa"), subject.fullName.simplified().left(240));
    }
    if (!subject.email.trimmed().isEmpty())
        xml_.element(QLatin1String("Email"), subject.email.trimmed());
    xml_.end(person);
    xml_.end(QLatin1String("Podmiot1"));
    moveTextTo(document_);
}

void JpkDocument::row(const JpkRow &row)
{
    xml_.start(QLatin1String("PKPIRWiersz"));
    xml_.element(QLatin1String("K_1"), QString::number(row.number));
    xml_.element(QLatin1String("K_2"), isoDate(row.date));
    text(QLatin1String("K_3A"), row.document);
    if (!row.ksef.isEmpty())
        xml_.element(QLatin1String("K_3B"), row.ksef);
    if (!row.taxIdentifier.isEmpty()) {
        xml_.element(QLatin1String("K_4A"), row.country);
        xml_.element(QLatin1String("K_4B"), QStringView(row.taxIdentifier).left(50));
    }
    text(QLatin1String("K_5A"), row.name);
    text(QLatin1String("K_5B"), row.address);
    text(QLatin1String("K_6"), row.description);
    const std::pair<QLatin1String, Money> amounts[] = {
        {QLatin1String("K_7"), row.k7},   {QLatin1String("K_8"), row.k8},
        {QLatin1String("K_9"), row.k9},   {QLatin1String("K_10"), row.k10},
        {QLatin1String("K_11"), row.k11}, {QLatin1String("K_12"), row.k12},
        {QLatin1String("K_13"), row.k13}, {QLatin1String("K_14"), row.k14},
        {QLatin1String("K_15"), row.k15},
    };
    for (const auto &[element, value] : amounts)
        amount(element, value);
    if (row.researchCosts != Money()) {
        text(QLatin1String("K_16A"), row.researchDescription);
        amount(QLatin1String("K_16B"), row.researchCosts, true);
    }
    if (!row.remarks.isEmpty())
        text(QLatin1String("K_17"), row.remarks);
    xml_.end(QLatin1String("PKPIRWiersz"));
    if (text_.size() >= BlockCharacters)
        moveTextTo(rows_);
}

void JpkDocument::end(const JpkInfo &info, const QList<JpkStockTaking> &stockTakings, qint64 rows,
                      Money revenue)
{
    moveTextTo(rows_);
    xml_.start(QLatin1String("PKPIRInfo"));
    amount(QLatin1String("P_1"), info.p1, true);
    amount(QLatin1String("P_2"), info.p2, true);
    amount(QLatin1String("P_3"), info.p3, true);
    amount(QLatin1String("P_4"), info.p4, true);
    xml_.end(QLatin1String("PKPIRInfo"));
    for (const JpkStockTaking &stockTaking : stockTakings) {
        xml_.start(QLatin1String("PKPIRSpis"));
        xml_.element(QLatin1String("P_5A"), isoDate(stockTaking.date));
        amount(QLatin1String("P_5B"), stockTaking.value, true);
        xml_.end(QLatin1String("PKPIRSpis"));
    }
    moveTextTo(document_);
    copyRows();
    xml_.start(QLatin1String("PKPIRCtrl"));
    xml_.element(QLatin1String("LiczbaWierszy"), QString::number(rows));
    amount(QLatin1String("SumaPrzychodow"), revenue, true);
    xml_.end(QLatin1String("PKPIRCtrl"));
    xml_.end(QLatin1String("JPK"));
    text_ += QLatin1Char('\n');
    moveTextTo(document_);
}
