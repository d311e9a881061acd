#pragma once
// The benchmark's data: a data root made by the program itself in a folder of its own, and a
// year of 100 000 ledger entries (about 8 300 a month) with 2 000 contractors.

#include "core/working_environment.h"
#include "platform/scripted_prompter.h"

#include <QString>

#include <memory>

class TDANE;

constexpr int BenchEntries = 100000;
constexpr int BenchContractors = 2000;

// While it lives, `root` is the current directory (where the program looks for its
// parameter table) and today is `today` ("YYYY.MM.DD").
class BenchFolder {
public:
    BenchFolder(const QString &root, const char *today);
    ~BenchFolder();
    BenchFolder(const BenchFolder &) = delete;
    BenchFolder &operator=(const BenchFolder &) = delete;

private:
    QString previous_;
};

// A new data root for `year` in the current directory, as `ksiega-cli init` makes it.
void CreateBenchDataRoot(const QString &year = QStringLiteral("2019"));

QString BenchMonth(int month);

// The working year's entries written as an import writes them: in one transaction, no views
// told.
void FillBenchLedger(TDANE &dane);
void FillBenchContractors(TDANE &dane);

// The program started, as the desktop program starts, on the data root in the current
// directory; questions get `answers`.
struct StartedBenchProgram {
    explicit StartedBenchProgram(const QList<Answer> &answers = {});
    ~StartedBenchProgram();
    StartedBenchProgram(const StartedBenchProgram &) = delete;
    StartedBenchProgram &operator=(const StartedBenchProgram &) = delete;

    ScriptedPrompter prompter;
    WorkingEnvironment environment;
    std::unique_ptr<TDANE> dane;
};
