#include "assembly/data_module_assembly.h"

#include "core/data_module.h"
#include "imports/import_rules.h"
#include "ledger/ledger_rules.h"
#include "pit5/declaration_rules.h"
#include "pit5/taxpayer_share.h"

std::unique_ptr<TDANE> AssembleDataModule(WorkingEnvironment &environment, Prompter &prompter)
{
    std::unique_ptr<TDANE> dane(new TDANE(environment, prompter));
    installLedgerRules(*dane);
    installImportRules(*dane);
    installDeclarationRules(*dane);
    installShareChecks(*dane);
    return dane;
}
