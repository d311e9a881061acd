#pragma once
// The one place a data module is made: the program, `ksiega-cli`, the benchmark and the
// tests all take theirs from here, with every subsystem's rules installed on its cursors.
// Only the tables are still to be opened (`TDANE::DataModuleCreate`).

#include <memory>

class Prompter;
class TDANE;
struct WorkingEnvironment;

std::unique_ptr<TDANE> AssembleDataModule(WorkingEnvironment &environment, Prompter &prompter);
