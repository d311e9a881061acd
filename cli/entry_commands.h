#pragma once
// Ledger entries from the command line: `entry add POLE=WARTOŚĆ ...`,
// `entry edit LP POLE=WARTOŚĆ ...`, `entry copy LP [POLE=WARTOŚĆ ...]`, `entry delete LP` and
// `renumber`, made exactly as the ledger window and its editor make them.

class CommandRegistry;

void addEntryCommands(CommandRegistry &registry);
