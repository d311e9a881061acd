#pragma once
// Ledger entries from the command line: `entry add POLE=WARTOŚĆ ...` and
// `entry edit LP POLE=WARTOŚĆ ...`, made exactly as the ledger window and its editor make
// them.

class CommandRegistry;

void addEntryCommands(CommandRegistry &registry);
