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

inline const QString HelpDocument = QStringLiteral("ksiega/index.htm");
inline const QString RegulationDocument = QStringLiteral("rozp_13_02_07__opublikowane_pd.pdf");

// Opens `document` (relative to `programDirectory`) in the default viewer; a document that
// is missing or that nothing opens is reported. True when opened.
bool OpenDocument(const QString &programDirectory, const QString &document, Shell &shell,
                  Prompter &prompter);
