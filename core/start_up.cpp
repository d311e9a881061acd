#include "core/start_up.h"

#include "platform/clock.h"

WorkingEnvironment startEnvironment()
{
    WorkingEnvironment environment;
    environment.today = todayText();
    environment.workingYear = environment.today.left(4);
    environment.workingMonth = environment.today.mid(5, 2);
    return environment;
}
