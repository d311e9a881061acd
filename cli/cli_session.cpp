#include "cli/cli_session.h"

#include "core/start_up.h"

CliSession::CliSession(CommandContext &context)
    : environment(startEnvironment()), dane(environment, context.prompter)
{
    dane.setStartArguments(context.options.start);
    dane.DataModuleCreate();
    if (environment.abort)
        return;
    if (context.options.month)
        environment.workingMonth = *context.options.month;
    if (context.options.operatorName)
        environment.userName = *context.options.operatorName;
}
