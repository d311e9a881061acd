#include "cli/standard_commands.h"

#include "cli/core_commands.h"
#include "cli/firm_commands.h"
#include "cli/print_commands.h"

CommandRegistry standardCommands()
{
    CommandRegistry registry;
    addCoreCommands(registry);
    addPrintCommands(registry);
    addFirmCommands(registry);
    return registry;
}
