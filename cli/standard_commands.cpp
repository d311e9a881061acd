#include "cli/standard_commands.h"

CommandRegistry standardCommands()
{
    CommandRegistry registry;
    return registry;
}
