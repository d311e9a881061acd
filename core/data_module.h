#pragma once
// The data module: one cursor per table of the program for the whole run, all in one
// session, with the rules every writer obeys attached as hooks. Windows, commands and tests
// all work on these shared cursors; nobody opens a second copy of a year table.
//
// `DataModuleCreate` is the start sequence: it finds the data root and the working year,
// opens every table (reporting what is missing), repairs what can be repaired, builds the
// month states and reads the current user. It runs again, from scratch, whenever the program
// reopens its tables (year change, restore, index repair).
//
// The rules of each subsystem (ledger entries, declarations, imports ...) live in that
// subsystem's folder and are installed on these cursors by it; core keeps the cursors, the
// start sequence and the one rule the start sequence itself relies on (which firm-table
// record is the firm's).

#include "core/start_arguments.h"
#include "core/working_environment.h"
#include "platform/cursor.h"
#include "platform/session.h"

#include <memory>
#include <vector>

class Prompter;

// What one subsystem's rules keep for the run beside the cursors (a counter, a flag, the
// open editor). The data module owns it without knowing its type, so core never includes
// a subsystem: the subsystem declares its own state type and reaches it through
// `TDANE::subsystemState`, which makes it on first use.
class SubsystemState {
public:
    virtual ~SubsystemState() = default;
};

class TDANE {
    // Every data module comes from the assembly (assembly/data_module_assembly.h), which
    // installs each subsystem's rules on the cursors: there is no way to get one without them.
    friend std::unique_ptr<TDANE> AssembleDataModule(WorkingEnvironment &environment,
                                                     Prompter &prompter);
    TDANE(WorkingEnvironment &environment, Prompter &prompter);

    // Declared before the cursors, whose hooks refer to it, so that it outlives them.
    std::vector<std::unique_ptr<SubsystemState>> subsystemStates_;

public:
    TDANE(const TDANE &) = delete;
    TDANE &operator=(const TDANE &) = delete;

    WorkingEnvironment &environment() { return environment_; }
    const WorkingEnvironment &environment() const { return environment_; }
    Prompter &prompter() { return prompter_; }
    Session &session() { return session_; }
    void setStartArguments(const StartArguments &arguments) { startArguments_ = arguments; }

    // The state of type `State` (a SubsystemState with a default constructor), one per
    // data module.
    template <typename State>
    State &subsystemState()
    {
        for (const std::unique_ptr<SubsystemState> &held : subsystemStates_)
            if (auto *state = dynamic_cast<State *>(held.get()))
                return *state;
        return static_cast<State &>(*subsystemStates_.emplace_back(std::make_unique<State>()));
    }

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
    void openYearTables();
    void writeSumsRows();
    void openCompanionTable(Cursor &cursor, const QString &relativePath);

    WorkingEnvironment &environment_;
    Prompter &prompter_;
    StartArguments startArguments_;
};
