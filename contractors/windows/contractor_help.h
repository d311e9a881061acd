#pragma once
// The catalogue's help page, "kontrah/index.htm" beside the program, in the desktop's own
// viewer.

void openContractorHelp();
