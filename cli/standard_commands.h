#pragma once
// Every command of ksiega-cli. A subsystem that brings commands adds them here through a
// function of its own that takes the registry.

#include "cli/command_registry.h"

CommandRegistry standardCommands();
