#include "print/print_engine.h"

#include "core/number_format.h"
#include "platform/clock.h"
#include "platform/print/printer_list.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "print/control_codes.h"

#include <QFile>

#include <utility>

TDRUK::TDRUK(const PrintContext &context, PrinterList &printers, PrintDialogs &dialogs,
             Prompter &prompter, Progress &progress)
    : context_(context), printers_(printers), dialogs_(dialogs), prompter_(prompter),
      progress_(progress), pitch_(PitchCondensed)
{
}

TDRUK::~TDRUK()
{
    if (openOutput_)
        KoniecWydruku();
}

void TDRUK::START(const QString &TYT, bool ZlTyt, int MaxLicz, int LinNag, bool ZlNaGSyS)
{
    buffer_.clear();
    Tytul = TYT;
    if (ZlTyt)
        Tytul = dialogs_.askTitle(Tytul);
    IlLinNag = LinNag;
    NagSys = ZlNaGSyS;
    Strona = 0;
    Linia = 0;
    pitch_ = PitchCondensed;
    fontSize_ = 8;
    if (Bufor)
        StartWydruku();
    if (NagSys) {
        Naglowek();
        Podzial = true;
    }
    progress_.start(Tytul, MaxLicz);
}

void TDRUK::PISZ(const QString &line)
{
    if (Bufor) {
        // The line routines count the line themselves.
        printLine(line);
        return;
    }
    buffer_ += line;
    buffer_ += QLatin1Char('\n');
    ++Linia;
}

void TDRUK::Postep()
{
    progress_.step();
}

void TDRUK::STOP(bool ZlStopka)
{
    if (ZlStopka)
        PISZ(QStringLiteral("&GVelmor - Koniec wydruku: ") + Tytul);
    progress_.stop();
    reportClosed_ = true;
    if (Bufor)
        KoniecWydruku();
    else
        dialogs_.showEngineWindow();
}

void TDRUK::abandonReport()
{
    progress_.stop();
    buffer_.clear();
    printerLines_.clear();
    if (openOutput_ && (*openOutput_ == drEKSPORT || *openOutput_ == drBW)) {
        const QString file = channel_.path();
        static_cast<void>(channel_.close());
        QFile::remove(file);
    } else if (openOutput_ == drDOS) {
        // Lines that went to the port cannot be called back.
        static_cast<void>(channel_.close());
    }
    openOutput_.reset();
    outputFailed_ = true;
}

QString TDRUK::headerLine() const
{
    const QString today =
        context_.environment.today.isEmpty() ? todayText() : context_.environment.today;
    const QString firm = context_.firmShortName ? context_.firmShortName() : QString();
    QString line = PadToWidth(firm, 30) + QStringLiteral(" Program : ")
                   + PadToWidth(context_.programTitle, 20) + QStringLiteral(" Data : ") + today
                   + QStringLiteral(" Strona : ") + QString::number(Strona);
    if (!context_.environment.userName.isEmpty())
        line += QStringLiteral(" Operator : ") + context_.environment.userName;
    return line;
}

void TDRUK::Naglowek()
{
    ++Strona;
    for (int i = 0; i < MarG; ++i)
        PISZ(CodeCondensed);
    PISZ(CodeCondensed + headerLine());
    PISZ(QStringLiteral("&GWydruk : ") + Tytul);
    Linia = MarG + 2;
}

// The header a page break repeats: the system header when the report has one, then the
// caller's headings. Nothing in it may break the page again, however short the page.
void TDRUK::writeHeaderLines(void (TDRUK::*lineRoutine)(const QString &),
                             const QString &marginLine)
{
    inPageHeader_ = true;
    if (NagSys) {
        for (int i = 0; i < MarG; ++i)
            (this->*lineRoutine)(marginLine);
        (this->*lineRoutine)(CodeCondensed + headerLine());
        (this->*lineRoutine)(QStringLiteral("&GWydruk : ") + Tytul);
    }
    for (int i = 1; i <= qMin(IlLinNag, TextNagSize); ++i)
        (this->*lineRoutine)(TextNag[i]);
    inPageHeader_ = false;
}

bool TDRUK::DRUKUJ(const QString &text)
{
    progress_.start(Tytul, int(text.size()));
    Strona = 1;
    Linia = 0;
    verticalPosition_ = 0;
    if (!StartWydruku()) {
        progress_.stop();
        return false;
    }
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        progress_.step();
        if (text.at(i) != QLatin1Char('\n'))
            continue;
        printLine(text.mid(lineStart, i - lineStart));
        lineStart = i + 1;
    }
    KoniecWydruku();
    progress_.stop();
    return outputComplete();
}

std::optional<int> TDRUK::conversionCode() const
{
    switch (Pl) {
    case drBRAK:
        return 30;
    case drMAZOWIA:
        return 31;
    case drLATIN:
        return 32;
    case drLATIN852:
        break;
    }
    return std::nullopt;
}

bool TDRUK::StartWydruku()
{
    if (openOutput_)
        KoniecWydruku();
    outputFailed_ = false;
    bool opened = false;
    switch (TypWydruku) {
    case drWINDOWS:
        opened = startPrinter();
        break;
    case drDOS:
        opened = startPort();
        break;
    case drEKSPORT:
    case drBW:
        opened = startExport();
        break;
    }
    if (opened)
        openOutput_ = TypWydruku;
    outputFailed_ = !opened;
    return opened;
}

bool TDRUK::openChannel(const QString &path, TextChannel::Target target, const QString &failure)
{
    channel_.close();
    const QString unavailable = channel_.unavailable();
    if (!unavailable.isEmpty() || !channel_.open(path, target)) {
        prompter_.error(unavailable.isEmpty() ? failure : unavailable);
        return false;
    }
    channel_.setConversion(conversionCode());
    return true;
}

void TDRUK::channelLine(const QString &text, const QByteArray &prefix)
{
    if (openOutput_ && !channel_.writeLine(text, prefix)) {
        const QString name = channel_.path();
        channel_.close();
        outputLost(name);
    }
}

void TDRUK::outputLost(const QString &name)
{
    openOutput_.reset();
    outputFailed_ = true;
    prompter_.error(QStringLiteral("Błąd zapisu wydruku : ") + name
                    + QStringLiteral("\rWydruk jest niepełny."));
}

void TDRUK::KoniecWydruku()
{
    if (!openOutput_)
        return;
    switch (*openOutput_) {
    case drWINDOWS: {
        // The kept lines go out now; a printer or file that fails says so itself.
        if (!printKeptLines()) {
            openOutput_.reset();
            outputFailed_ = true;
            return;
        }
        break;
    }
    case drDOS:
        if (Podzial)
            channelLine(QString(), FormFeed);
        [[fallthrough]];
    case drEKSPORT:
    case drBW:
        if (openOutput_ && !channel_.close()) {
            outputLost(channel_.path());
            return;
        }
        break;
    }
    openOutput_.reset();
}

// A line for an output that could not be opened goes nowhere: the print ended with the
// message that said why.
void TDRUK::printLine(const QString &line)
{
    if (!openOutput_)
        return;
    switch (*openOutput_) {
    case drWINDOWS:
        keepPrinterLine(line);
        break;
    case drDOS:
        portLine(line);
        break;
    case drEKSPORT:
        exportLine(line);
        break;
    case drBW:
        wholeFileLine(line);
        break;
    }
}
