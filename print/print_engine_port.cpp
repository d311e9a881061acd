// The engine's port output: raw lines for a line printer, each opened by the control codes
// of its pitch and the left margin, with form feeds between pages.

#include "print/print_engine.h"

#include "platform/prompter.h"
#include "print/control_codes.h"

bool TDRUK::startPort()
{
    const PortDevice device = portDevice(Port);
    return openChannel(device.path, device.target,
                       QStringLiteral("Błąd otwarcia portu : ") + device.name);
}

void TDRUK::portPageBreak()
{
    channelLine(QString(), FormFeed);
    ++Strona;
    Linia = 0;
    writeHeaderLines(&TDRUK::portLine, QString());
}

void TDRUK::portLine(const QString &line)
{
    if (line.startsWith(CodePageBreak)) {
        channelLine(QString(), FormFeed);
        ++Strona;
        Linia = 0;
        return;
    }
    // The check comes before the line is counted, so a page holds MaxLiniaDOS + 1 lines.
    if (Podzial && Linia > MaxLiniaDOS && !inPageHeader_)
        portPageBreak();
    QString text = line;
    if (takeCode(text, CodeCondensed))
        pitch_ = PitchCondensed;
    if (takeCode(text, CodeNormal))
        pitch_ = PitchNormal;
    if (takeCode(text, CodeWide))
        pitch_ = PitchWide;
    switch (Rodzaj) {
    case drAUTO:
        break;
    case drGESTY:
        pitch_ = PitchCondensed;
        break;
    case drNORMALNY:
        pitch_ = PitchNormal;
        break;
    case drROZSZCZELONY:
        pitch_ = PitchWide;
        break;
    }
    ++Linia;
    channelLine(text, PitchReset + QByteArray(qMax(MarL, 0), ' ') + pitch_);
}
