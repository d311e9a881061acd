#pragma once
// The "Programy" menu and the help documents of the ledger window. The companion programs
// of the suite are separate executables found in the working directory; the help pages and
// the regulation lie beside the program and open in the desktop's default viewer.

#include <QString>
#include <QStringList>

class Prompter;
class Shell;

enum class CompanionProgram { VatRegister, Zivedez, Transfers, VehicleLog, FixedAssets };

// The executable file names tried in turn, the first being the program's own.
QStringList CompanionExecutables(CompanionProgram program);

// Starts the companion program from `directory`. Only when none of its executables exists
// is the program's message shown, captioned with the file looked for. True when started.
bool StartCompanionProgram(CompanionProgram program, const QString &directory, Shell &shell,
                           Prompter &prompter);

// The documents lie in "pomoc" beside the program: the executable itself is named "ksiega",
// so the help folder of that name cannot stand beside it.
inline const QString HelpDocument = QStringLiteral("pomoc/ksiega/index.htm");
inline const QString RegulationDocument = QStringLiteral("pomoc/rozp_13_02_07__opublikowane_pd.pdf");
