#include "cli/standard_commands.h"

#include "cli/contractor_commands.h"
#include "cli/core_commands.h"
#include "cli/entry_commands.h"
#include "cli/firm_commands.h"
#include "cli/import_commands.h"
#include "cli/jpk_commands.h"
#include "cli/ledger_print_commands.h"
#include "cli/maintenance_commands.h"
#include "cli/parameter_commands.h"
#include "cli/pit5_commands.h"
#include "cli/posting_commands.h"
#include "cli/print_commands.h"
#include "cli/stock_taking_commands.h"
#include "cli/table_text_commands.h"
#include "cli/year_commands.h"

CommandRegistry standardCommands()
{
    CommandRegistry registry;
    addCoreCommands(registry);
    addEntryCommands(registry);
    addPostingCommands(registry);
    addPrintCommands(registry);
    addLedgerPrintCommands(registry);
    addFirmCommands(registry);
    addParameterCommands(registry);
    addContractorCommands(registry);
    addPit5Commands(registry);
    addTableTextCommands(registry);
    addImportCommands(registry);
    addMaintenanceCommands(registry);
    addStockTakingCommands(registry);
    addJpkCommands(registry);
    addYearCommands(registry);
    return registry;
}
