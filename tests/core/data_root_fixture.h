#pragma once
// A fresh data root made by the program itself, in a temporary folder that is also the
// current directory (where the parameter table lives), and a data module to start on it.

#include "assembly/data_module_assembly.h"
#include "core/data_module.h"
#include "core/new_data_root.h"
#include "core/start_up.h"
#include "platform/scripted_prompter.h"
#include "platform/session.h"
#include "platform/sqlite_db.h"
#include "platform/table_files.h"

#include <QDir>
#include <QTemporaryDir>
#include "tests/support/qt_printers.h"
#include "tests/support/started_in_new_folder.h"

#include <gtest/gtest.h>
#include <memory>

class DataRootTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.dir.isValid());
        createDataRoot({QString(), QStringLiteral("Test"), QStringLiteral("2019"),
                        QStringLiteral("Kowalski Jan"), false});
    }
    void TearDown() override
    {
        dane.reset();
    }

    QString at(const QString &relative) const { return folder.at(relative); }

    // Runs the start sequence as the program would on `day` ("YYYY.MM.DD").
    TDANE &start(const char *day = "2019.05.10", StartArguments arguments = {})
    {
        qputenv("KSIEGA_TODAY", day);
        dane.reset();
        environment = startEnvironment();
        dane = AssembleDataModule(environment, prompter);
        dane->setStartArguments(arguments);
        dane->DataModuleCreate();
        return *dane;
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const RecordedMessage &message : prompter.messages())
            texts << message.text;
        return texts;
    }

    // Runs SQL on a table file outside the program's cursors, as another program would.
    void plainSql(const QString &relativeFile, const QString &sql)
    {
        Connection connection(at(relativeFile), Connection::Mode::ReadWrite);
        connection.exec(sql);
    }

    StartedInNewFolder folder;
    WorkingEnvironment environment;
    ScriptedPrompter prompter;
    std::unique_ptr<TDANE> dane;
};
