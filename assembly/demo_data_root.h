#pragma once
// `init --demo`: a new data root that looks like a firm's year — the firm and its
// contractors, the year's entries, postings and PIT-5 declaration, and the companion
// programs' tables to import the current month from. All or nothing: when any part cannot be
// written, every table made so far is deleted again, so nothing half made passes for the
// demo and the same command can simply be run again.

#include <QString>

class Prompter;
struct NewDataRoot;

// The month the demo year is worked in is taken from today (see DemoCurrentMonth). Throws
// DbError with a Polish message when one of the demo's tables exists already (nothing is
// touched then) or when the demo could not be written whole (nothing of it is left).
void CreateDemoDataRoot(const NewDataRoot &request, Prompter &prompter);
