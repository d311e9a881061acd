#include "platform/table_definition.h"

StorageClass storageClassOf(FieldType type)
{
    switch (type) {
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::Word:
    case FieldType::Logical:
    case FieldType::Currency:
    case FieldType::Bcd:
    case FieldType::AutoInc:
    case FieldType::LargeInt:
        return StorageClass::Integer;
    case FieldType::Float:
        return StorageClass::Real;
    case FieldType::Bytes:
    case FieldType::VarBytes:
    case FieldType::Blob:
    case FieldType::Graphic:
        return StorageClass::Blob;
    default:
        return StorageClass::Text;
    }
}

bool isCurrencyType(FieldType type)
{
    return type == FieldType::Currency || type == FieldType::Bcd;
}

bool isIntegerType(FieldType type)
{
    return storageClassOf(type) == StorageClass::Integer && !isCurrencyType(type)
           && type != FieldType::Logical;
}

bool isTextType(FieldType type)
{
    return storageClassOf(type) == StorageClass::Text;
}

bool isSupportedType(FieldType type)
{
    switch (type) {
    case FieldType::Text:
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::Word:
    case FieldType::Logical:
    case FieldType::Float:
    case FieldType::Currency:
    case FieldType::Bcd:
    case FieldType::Date:
    case FieldType::Time:
    case FieldType::DateTime:
    case FieldType::Bytes:
    case FieldType::VarBytes:
    case FieldType::AutoInc:
    case FieldType::Blob:
    case FieldType::Memo:
    case FieldType::Graphic:
    case FieldType::FormattedMemo:
    case FieldType::LargeInt:
        return true;
    default:
        return false;
    }
}

int TableDef::fieldIndex(const QString &name) const
{
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const IndexDef *TableDef::primaryIndex() const
{
    for (const IndexDef &index : indexes)
        if (index.primary)
            return &index;
    return nullptr;
}

const IndexDef *TableDef::findIndex(const QString &name) const
{
    for (const IndexDef &index : indexes)
        if (!index.primary && index.name.compare(name, Qt::CaseInsensitive) == 0)
            return &index;
    return nullptr;
}

QStringList splitFieldList(const QString &fieldList)
{
    QStringList names;
    for (const QString &part : fieldList.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = part.trimmed();
        if (!name.isEmpty())
            names << name;
    }
    return names;
}
