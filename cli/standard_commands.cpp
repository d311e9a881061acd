#include "cli/standard_commands.h"

#include "cli/core_commands.h"

CommandRegistry standardCommands()
{
    CommandRegistry registry;
    addCoreCommands(registry);
    return registry;
}
