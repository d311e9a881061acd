#include "core/data_module.h"

TDANE::TDANE(WorkingEnvironment &environment, Prompter &prompter)
    : environment_(environment), prompter_(prompter)
{
    // The firm record is the one without a number; taxpayers carry numbers. The start
    // sequence reads the data root from it, so the filter is on before any subsystem's.
    TFIRMA.setFilterHook([](Cursor &firm) { return firm.field(QStringLiteral("NR")).isNull(); });
}
