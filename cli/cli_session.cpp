#include "cli/cli_session.h"

#include "assembly/data_module_assembly.h"
#include "core/start_up.h"

CliSession::CliSession(CommandContext &context)
    : environment(startEnvironment()),
      dataModule_(AssembleDataModule(environment, context.prompter)),
      dane(*dataModule_)
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
