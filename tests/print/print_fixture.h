#pragma once
// The text engine with everything around it recorded: a printer that keeps what is drawn,
// ports and export files in a temporary folder, scripted dialogs and messages.

#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "print/print_engine.h"
#include "tests/support/qt_printers.h"
#include "tests/support/recording_printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class CountingProgress final : public Progress {
public:
    void start(const QString &title, int maximum) override
    {
        ++starts;
        lastTitle = title;
        lastMaximum = maximum;
        steps = 0;
    }
    void step() override { ++steps; }
    void stop() override { ++stops; }

    int starts = 0;
    int stops = 0;
    int steps = 0;
    int lastMaximum = 0;
    QString lastTitle;
};

class EngineTest : public ::testing::Test {
protected:
    EngineTest()
    {
        environment.today = QStringLiteral("2019.05.10");
        environment.dataRoot = dir.path() + QLatin1Char('/');
        qputenv("KSIEGA_LPT_DIR", dir.path().toUtf8());
    }
    ~EngineTest() override { qunsetenv("KSIEGA_LPT_DIR"); }

    QString path(const QString &name) const { return dir.path() + QLatin1Char('/') + name; }

    QByteArray readFile(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The file's lines without their CR LF.
    QList<QByteArray> fileLines(const QString &name) const
    {
        QList<QByteArray> lines = readFile(name).split('\n');
        if (!lines.isEmpty() && lines.constLast().isEmpty())
            lines.removeLast();
        for (QByteArray &line : lines)
            if (line.endsWith('\r'))
                line.chop(1);
        return lines;
    }

    // A report in direct mode to the output, with the lines given and no footer.
    void printDirect(TTypWydruku output, const QStringList &lines, bool systemHeader = false)
    {
        engine.TypWydruku = output;
        engine.Bufor = true;
        engine.START(QStringLiteral("Zestawienie"), false, 0, 0, systemHeader);
        for (const QString &line : lines)
            engine.PISZ(line);
        engine.STOP(false);
    }

    QTemporaryDir dir;
    WorkingEnvironment environment;
    QString firm = QStringLiteral("Firma Łąka");
    RecordingPrinters printers;
    ScriptedPrintDialogs dialogs;
    ScriptedPrompter prompter;
    CountingProgress progress;
    TDRUK engine{PrintContext{environment, [this] { return firm; }, QStringLiteral("RAZEDO 2019")},
                 printers, dialogs, prompter, progress};
};
