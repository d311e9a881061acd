#pragma once
// `ksiega-cli import sales|purchases|vehicles|depreciation`: the companion programs' data of
// the working month (--miesiac) into the ledger, questions answered from --answers.

class CommandRegistry;

void addImportCommands(CommandRegistry &registry);
