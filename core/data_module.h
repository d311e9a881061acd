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

class EntryEditorLink;
class Prompter;

class TDANE {
public:
    TDANE(WorkingEnvironment &environment, Prompter &prompter);
    TDANE(const TDANE &) = delete;
    TDANE &operator=(const TDANE &) = delete;

    WorkingEnvironment &environment() { return environment_; }
    const WorkingEnvironment &environment() const { return environment_; }
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

    // Ledger entry rules (core/ledger_rules.cpp): numbering, month codes, the user stamp, the
    // computed totals, the month filter, the new entry's date, the imported-entry warning,
    // and the filters of the invoicing tables the register import reads.
    int NUMER();
    void TKSIEGABeforePost(Cursor &ledger);
    void TKSIEGAMCChange(Field month);
    void TKSIEGACalcFields(Cursor &ledger);
    bool TKSIEGAFilterRecord(Cursor &ledger);
    void ZKSIEGAStateChange(Cursor &ledger, Cursor::State previous);
    bool TRDFilterRecord(Cursor &registers);
    bool TNAGFilterRecord(Cursor &headers);
    // Whether an entry of this month code may no longer change ("00" and "13" never close).
    bool monthIsPosted(const QString &month) const;
    // The open entry editor, told to show the working month when a rule resets the month.
    void setEntryEditor(EntryEditorLink *editor);
    // Set by the purchase import: the register filter then accepts purchase registers.
    bool purchaseImport = false;

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

    // Declaration rules (core/declaration_rules.cpp)
    // Field rules of the declaration cursor, each run when its trigger field gets a value, so
    // a value typed, imported or copied carries through the whole form.
    void TDEKP1Change();
    void TDEKP4Change();
    void TDEKP5Change();
    void TDEKP11Change();
    void TDEKP12Change();
    void POLEDS(const QString &changedField);
    void POLE30();
    void POLE33();
    void POLE44();
    void POLE46();
    void POLE47();
    void POLE53();
    void POLE55();
    void POLE62();
    void POLE64();
    // The taxpayer view shows the numbered taxpayers and the firm's own record when the firm
    // is a natural person. A new taxpayer takes the number after the last one seen when it
    // was started; a save reports the identification still missing.
    bool TOSOBAFilterRecord(Cursor &taxpayers);
    void TakeTaxpayerCounter();
    void TOSOBABeforePost(Cursor &taxpayers);
    void TOSOBAAfterPost(Cursor &taxpayers);
    // While on, an insert started on the constants cursor is cancelled at once.
    void setConstantsInsertGuard(bool on) { constantsInsertGuard_ = on; }

private:
    void installDeclarationRules();
    void TSTALEStateChange(Cursor &constants);
    int taxpayerCounter_ = 0;
    bool constantsInsertGuard_ = false;
    // End of declaration rules

private:
    void installHooks();
    void installLedgerRules();
    void openYearTables();
    void writeSumsRows();
    void openCompanionTable(Cursor &cursor, const QString &relativePath);
    void TSUMACalcFields(Cursor &sums);

    WorkingEnvironment &environment_;
    Prompter &prompter_;
    StartArguments startArguments_;
    EntryEditorLink *entryEditor_ = nullptr;
};
