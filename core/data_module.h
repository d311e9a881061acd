#pragma once
// The data module: one cursor per table of the program for the whole run, all in one
// session, with the rules every writer obeys attached as hooks. Windows, commands and tests
// all work on these shared cursors; nobody opens a second copy of a year table.
//
// `DataModuleCreate` is the start sequence: it finds the data root and the working year,
// opens every table (reporting what is missing), repairs what can be repaired, builds the
// month states and reads the current user. It runs again, from scratch, whenever the program
// reopens its tables (year change, restore, index repair).

#include "core/start_arguments.h"
#include "core/working_environment.h"
#include "platform/cursor.h"
#include "platform/session.h"

class Prompter;

class TDANE {
public:
    TDANE(WorkingEnvironment &environment, Prompter &prompter);
    TDANE(const TDANE &) = delete;
    TDANE &operator=(const TDANE &) = delete;

    WorkingEnvironment &environment() { return environment_; }
    Prompter &prompter() { return prompter_; }
    Session &session() { return session_; }
    void setStartArguments(const StartArguments &arguments) { startArguments_ = arguments; }

    void DataModuleCreate();
    void SelectWorkingYear();
    void TPARAPola();
    // Start-sequence steps, each usable again on its own.
    void RepairFirmIndex();
    void RepairSumsTable();
    void BuildMonthStatus();

    // Cursors, named as the program's windows and rules refer to them.
    Session session_{QStringLiteral("SESJA")};
    Cursor TKSIEGA{session_, QStringLiteral("TKSIEGA")};
    Cursor TSUMA{session_, QStringLiteral("TSUMA")};
    Cursor TPARA{session_, QStringLiteral("TPARA")};
    Cursor TFIRMA{session_, QStringLiteral("TFIRMA")};
    Cursor TOSOBA{session_, QStringLiteral("TOSOBA")};
    Cursor TUSER{session_, QStringLiteral("TUSER")};
    Cursor TOPISZG{session_, QStringLiteral("TOPISZG")};
    Cursor TKontrah{session_, QStringLiteral("TKontrah")};
    Cursor TKONTRAHo{session_, QStringLiteral("TKONTRAHo")};
    Cursor TRD{session_, QStringLiteral("TRD")};
    Cursor TNAG{session_, QStringLiteral("TNAG")};
    Cursor TPOZ{session_, QStringLiteral("TPOZ")};
    Cursor TSAM{session_, QStringLiteral("TSAM")};
    Cursor TAUTO{session_, QStringLiteral("TAUTO")};
    Cursor TSRO{session_, QStringLiteral("TSRO")};
    Cursor TDEK{session_, QStringLiteral("TDEK")};
    Cursor TSTALE{session_, QStringLiteral("TSTALE")};

private:
    void installHooks();
    void openYearTables();
    void writeSumsRows();
    void openCompanionTable(Cursor &cursor, const QString &relativePath);
    void TSUMACalcFields(Cursor &sums);

    WorkingEnvironment &environment_;
    Prompter &prompter_;
    StartArguments startArguments_;
};
