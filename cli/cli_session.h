#pragma once
// A command's run of the program: the working environment and the data module after the
// same start sequence the desktop program runs, with the command line's month and operator
// applied the way the windows would apply them.

#include "cli/command_registry.h"
#include "core/data_module.h"
#include "core/working_environment.h"

#include <memory>

class CliSession {
public:
    explicit CliSession(CommandContext &context);
    CliSession(const CliSession &) = delete;
    CliSession &operator=(const CliSession &) = delete;

    // False (and the run is to end with a failure) when the start sequence gave up.
    bool started() const { return !environment.abort; }

    WorkingEnvironment environment;

private:
    // Made before `dane`, which names it.
    const std::unique_ptr<TDANE> dataModule_;

public:
    TDANE &dane;
};
