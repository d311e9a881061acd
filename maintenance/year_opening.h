#pragma once
// Opening a new year: the year directory of the next year is built from the tree of an
// existing one. Every table is created anew with its fields and indexes; the carry-over table
// decides whose rows come along and which fields start empty. Tables the new year already has
// are never touched, so running it again only adds what is missing. The working year stays.
//
//   YearOpening opening = ProposedYearOpening(environment);   // next year from this one
//   OpenNewYear(opening, environment, prompter, [&](const QString &line) { log << line; });

#include <QString>
#include <functional>

class Prompter;
struct WorkingEnvironment;

struct YearOpening {
    QString year;       // EROK: the year to create
    QString sourceYear; // SROK: the year it is made from
    QString directory;  // EDR: the folder holding the year directories
};

enum class YearOpeningResult {
    Completed,  // every table of the source is in the new year
    Refused,    // the year directory could not be made and the user did not go on
    Incomplete, // something could not be read or created; a rerun adds what is missing
};

using YearOpeningLog = std::function<void(const QString &line)>;

// The working year + 1 from the working year, in the data root.
YearOpening ProposedYearOpening(const WorkingEnvironment &environment);

// The opening as "START" runs it: each step goes to `log`, the new year joins the years list.
// An incomplete opening is also reported through the prompter.
YearOpeningResult OpenNewYear(const YearOpening &opening, WorkingEnvironment &environment,
                              Prompter &prompter, const YearOpeningLog &log);
