#pragma once
// The JPK_PKPIR(3) document written as a stream, element by element in the order of the
// schema, so that a year of a hundred thousand entries never stands in memory as a tree.
// Texts are cut to what the schema's types hold; amounts have a point and two decimals.

#include "jpk/xml_text.h"
#include "platform/money.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

class QIODevice;

struct JpkHeader {
    int purpose = 1; // CelZlozenia
    QDateTime created;
    QDate from;
    QDate to;
    QString officeCode;
};

struct JpkSubject {
    bool naturalPerson = true;
    QString nip;
    QString firstName;
    QString surname;
    QDate birthDate;
    QString fullName; // of a firm that is no natural person
    QString email;
};

struct JpkInfo {
    Money p1, p2, p3, p4;
};

// PKPIRSpis: a stock-taking of the period other than those in JpkInfo.
struct JpkStockTaking {
    QDate date;
    Money value;
};

// One row of the book as written: the texts the schema requires are already filled.
struct JpkRow {
    qint64 number = 0;
    QDate date;
    QString document;
    QString ksef;
    QString country;
    QString taxIdentifier;
    QString name;
    QString address;
    QString description;
    Money k7, k8, k9, k10, k11, k12, k13, k14, k15;
    QString researchDescription; // K_16A, with K_16B
    Money researchCosts;
    QString remarks; // K_17
};

// The figures that stand before the rows (PKPIRInfo) are known only once every row is
// written, so the rows go to a device of their own, and end() writes the figures and then
// the rows after them: the book is read once, and neither part stands in memory.
class JpkDocument {
public:
    // `document` receives the whole file; `rows` holds the rows until end() and must be
    // open for reading and writing.
    JpkDocument(QIODevice *document, QIODevice *rows);

    void begin(const JpkHeader &header, const JpkSubject &subject);
    void row(const JpkRow &row);
    // The figures, the stock-takings, the rows and the control sums.
    void end(const JpkInfo &info, const QList<JpkStockTaking> &stockTakings, qint64 rows,
             Money revenue);

    // Whether something of the document is not on the devices: a write failed, or a text
    // held a character XML cannot hold, which was left out.
    bool hasError() const { return failed_ || xml_.leftOutCharacters(); }

private:
    void amount(QLatin1String element, Money value, bool always = false);
    void text(QLatin1String element, const QString &value);
    // The text made since the last call, encoded, to `device`: a block at a time.
    void moveTextTo(QIODevice *device);
    void copyRows();

    QIODevice *document_;
    QIODevice *rows_;
    QString text_;
    XmlText xml_{text_};
    bool failed_ = false;
};

// The schema's longest text of the book's columns.
inline constexpr int JpkTextLimit = 256;
