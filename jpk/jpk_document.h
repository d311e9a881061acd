#pragma once
// The JPK_PKPIR(3) document written as a stream, element by element in the order of the
// schema, so that a year of a hundred thousand entries never stands in memory as a tree.
// Texts are cut to what the schema's types hold; amounts have a point and two decimals.

#include "platform/money.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QXmlStreamWriter>

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

class JpkDocument {
public:
    explicit JpkDocument(QIODevice *device);

    void begin(const JpkHeader &header, const JpkSubject &subject, const JpkInfo &info);
    void stockTaking(const QDate &date, Money value);
    void row(const JpkRow &row);
    void end(qint64 rows, Money revenue);

    // Whether everything went to the device.
    bool hasError() const { return xml_.hasError(); }

private:
    void amount(const QString &element, Money value, bool always = false);
    void text(const QString &element, const QString &value);

    QXmlStreamWriter xml_;
};

// The schema's longest text of the book's columns.
inline constexpr int JpkTextLimit = 256;
