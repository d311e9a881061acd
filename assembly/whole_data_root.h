#pragma once
// `init`: a new data root, made whole or not at all. When any part cannot be written (a full
// disk, a folder this user may not write), every table made so far is deleted again, so that
// nothing half made passes for the firm's data and the same command can simply be run again.
//
// With `demo` the root looks like a firm's year — the firm and its contractors, the year's
// entries, postings and PIT-5 declaration, and the companion programs' tables to import the
// current month from.

#include <QString>

class Prompter;
struct NewDataRoot;

// The month the demo year is worked in is taken from today (see DemoCurrentMonth). Throws
// DbError with a Polish message when one of the new tables exists already (nothing is touched
// then) or when the data could not be written whole (nothing of it is left).
void CreateWholeDataRoot(const NewDataRoot &request, Prompter &prompter);
