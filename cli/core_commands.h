#pragma once
// Commands of the start-up and the tables: init, status, dump.

class CommandRegistry;

void addCoreCommands(CommandRegistry &registry);
