#pragma once
// The year's stock-takings from the command line: `spis add DATA=.. WARTOSC=.. [OPIS=..]`,
// `spis list` (one a line: date, value, description, tab-separated) and `spis delete DATA`.

class CommandRegistry;

void addStockTakingCommands(CommandRegistry &registry);
