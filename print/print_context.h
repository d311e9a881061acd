#pragma once
// What the text engine takes from the run: the working environment (today, the user, the
// data root), the firm's short name for the page header, and the program's title. The
// short name is asked for each time a header is printed, so a change of the firm data
// shows in the next report.

#include "core/working_environment.h"

#include <QString>

#include <functional>

struct PrintContext {
    const WorkingEnvironment &environment;
    std::function<QString()> firmShortName;
    QString programTitle;
};
