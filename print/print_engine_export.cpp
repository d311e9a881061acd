// The engine's file outputs. The export keeps the report's text for other programs: no page
// header, no control codes, no frame rules. "Bez wycinania" keeps every line, with form
// feeds where the report breaks its pages.

#include "print/print_engine.h"

#include "platform/prompter.h"
#include "print/control_codes.h"

bool TDRUK::startExport()
{
    const std::optional<QString> fileName =
        dialogs_.exportFileName(QStringLiteral("eksport.txt"), QStringLiteral("txt"));
    if (!fileName)
        return false;
    return openChannel(*fileName, TextChannel::Target::File,
                       QStringLiteral("Błąd otwarcia pliku : ") + *fileName);
}

void TDRUK::exportLine(const QString &line)
{
    QString text = (NagSys && Linia < 2) ? QString() : line;
    takeCode(text, CodeCondensed) || takeCode(text, CodeNormal) || takeCode(text, CodeWide)
        || takeCode(text, CodePageBreak);
    const bool frameRule = text.size() >= 2
                           && (text.at(1) == QLatin1Char('-') || text.at(1) == QLatin1Char('='));
    if (text.size() >= 2 && !frameRule && !text.startsWith(QLatin1String(">ZV<")))
        channelLine(text);
    ++Linia;
}

void TDRUK::wholeFileLine(const QString &line)
{
    QString text = (NagSys && Linia < 2) ? QString() : line;
    if (takeCode(text, CodePageBreak))
        text.prepend(QChar(0x0C));
    else
        takeCode(text, CodeCondensed) || takeCode(text, CodeNormal) || takeCode(text, CodeWide);
    channelLine(text);
    ++Linia;
}
