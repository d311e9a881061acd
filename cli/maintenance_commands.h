#pragma once
// The maintenance commands of the command line: the tables' health check, the archive and
// its restore, index repair.

class CommandRegistry;

void addMaintenanceCommands(CommandRegistry &registry);
