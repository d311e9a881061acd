#pragma once
// What a table consists of: its fields and its indexes. The type codes are those the
// structure files beside the tables carry (two digits after "Typ:"), so a definition read
// from a table file can be written out and read back without translation.

#include <QList>
#include <QString>
#include <QStringList>

enum class FieldType : int {
    Unknown = 0,
    Text = 1,
    SmallInt = 2,
    Integer = 3,
    Word = 4,
    Logical = 5,
    Float = 6,
    Currency = 7,
    Bcd = 8,
    Date = 9,
    Time = 10,
    DateTime = 11,
    Bytes = 12,
    VarBytes = 13,
    AutoInc = 14,
    Blob = 15,
    Memo = 16,
    Graphic = 17,
    FormattedMemo = 18,
    LargeInt = 25,
};

// How a field's value is kept in a table file.
enum class StorageClass { Text, Integer, Real, Blob };

StorageClass storageClassOf(FieldType type);
// Types whose value is an amount kept in 1/10000 of a złoty.
bool isCurrencyType(FieldType type);
// Types counted as whole numbers (not currency, not logical).
bool isIntegerType(FieldType type);
// Types whose value is text.
bool isTextType(FieldType type);
// Whether the engine can create a field of this type.
bool isSupportedType(FieldType type);

struct FieldDef {
    QString name;
    FieldType type = FieldType::Text;
    int size = 0; // characters of a text field; 0 for the other types
    bool required = false;

    bool operator==(const FieldDef &) const = default;
};

struct IndexDef {
    QString name; // empty for the primary index
    QStringList fields;
    bool primary = false;
    bool unique = false;
    bool caseInsensitive = false;
    bool descending = false;

    bool operator==(const IndexDef &) const = default;

    // "MC;LP" — the form the structure files and index-field-name orders use.
    QString fieldList() const { return fields.join(QLatin1Char(';')); }
};

struct TableDef {
    QList<FieldDef> fields;
    QList<IndexDef> indexes;

    int fieldIndex(const QString &name) const; // case-insensitive; -1 when absent
    const IndexDef *primaryIndex() const;
    const IndexDef *findIndex(const QString &name) const; // case-insensitive name
};

// "MC;LP" → {"MC", "LP"}; blanks around names are dropped.
QStringList splitFieldList(const QString &fieldList);
