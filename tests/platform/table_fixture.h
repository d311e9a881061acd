#pragma once
// A temporary folder with a small ledger-like table, for the engine's tests.

#include "platform/cursor.h"
#include "platform/session.h"
#include "platform/table_files.h"

#include <QTemporaryDir>
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

inline TableDef ledgerLikeDefinition()
{
    TableDef definition;
    definition.fields = {
        {"AUTO", FieldType::AutoInc, 0, false},
        {"LP", FieldType::Integer, 0, false},
        {"MC", FieldType::Text, 2, false},
        {"NAZ1", FieldType::Text, 10, false},
        {"K7", FieldType::Currency, 0, false},
        {"K8", FieldType::Currency, 0, false},
        {"B1", FieldType::Logical, 0, false},
        {"W1", FieldType::Float, 0, false},
        {"UWAGI", FieldType::Memo, 0, false},
    };
    definition.indexes = {
        {QString(), {"AUTO"}, true, true, false, false},
        {"LPinx", {"MC", "LP"}, false, false, false, false},
        {"KONTRinx", {"NAZ1"}, false, false, true, false},
    };
    return definition;
}

class TableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        createTable(path("KSIEGA"), ledgerLikeDefinition());
        cursor.setTableName(path("KSIEGA"));
    }

    QString path(const QString &name) const { return dir.path() + QLatin1Char('/') + name; }

    // Appends and posts one record: month, number, name, K7 as text.
    void add(const QString &month, int lp, const QString &name = QString(),
             const QString &k7 = QString())
    {
        cursor.append();
        cursor.field("MC").setAsString(month);
        cursor.field("LP").setInteger(lp);
        cursor.field("NAZ1").setAsString(name);
        cursor.field("K7").setAsString(k7);
        cursor.post();
    }

    // The LP of every reachable record, walking from the first.
    std::vector<qint64> walk()
    {
        std::vector<qint64> numbers;
        for (cursor.first(); !cursor.eof(); cursor.next())
            numbers.push_back(cursor.field("LP").asInteger());
        return numbers;
    }

    QTemporaryDir dir;
    Session session;
    Cursor cursor{session, QStringLiteral("TKSIEGA")};
};
