// The engine's start-up and its saved settings (the values of SOFTWARE\ZV\DRUK, kept by
// their ordinals and as 0/1).

#include "print/print_engine.h"

#include "platform/paths.h"
#include "platform/print/printer_list.h"
#include "platform/prompter.h"

#include <QFileInfo>
#include <QSettings>

// A value outside the choices (a hand-edited registry, a later version) falls back to the
// first choice instead of selecting an output that does not exist.
template <typename Enum>
static Enum readChoice(QSettings &settings, const QString &key, Enum last)
{
    const int value = settings.value(key, 0).toInt();
    return value >= 0 && value <= int(last) ? Enum(value) : Enum(0);
}

static int readNumber(QSettings &settings, const QString &key, int fallback)
{
    bool ok = false;
    const int value = settings.value(key, fallback).toInt(&ok);
    return ok ? qBound(0, value, 99) : fallback;
}

void TDRUK::startUp(QSettings &settings)
{
    if (printers_.isEmpty()) {
        prompter_.warn(QStringLiteral("Uwaga nie posiadasz zainstalowanej drukarki !!"));
        return;
    }
    if (!settings.childKeys().isEmpty()) {
        TypWydruku = readChoice(settings, QStringLiteral("DRTYP"), drBW);
        Port = readChoice(settings, QStringLiteral("DRPORT"), drLPT3);
        Rodzaj = readChoice(settings, QStringLiteral("DRRODZAJ"), drROZSZCZELONY);
        Pl = readChoice(settings, QStringLiteral("DRPL"), drLATIN852);
        Podzial = settings.value(QStringLiteral("DRPODZIAL"), 0).toInt() != 0;
        Bufor = settings.value(QStringLiteral("DRBUFOR"), 0).toInt() != 0;
        MarL = readNumber(settings, QStringLiteral("DRLEWY"), 0);
        MarG = readNumber(settings, QStringLiteral("DRGORA"), 0);
        MaxLiniaDOS = readNumber(settings, QStringLiteral("DRLINIDOS"), 70);
    }
    Eksport = drTXT;
    if (MaxLiniaDOS < 10)
        MaxLiniaDOS = 70;
    const QString logoPath = resolvePath(context_.environment.dataRoot + QStringLiteral("logo.bmp"));
    if (QFileInfo::exists(logoPath))
        logo_.load(logoPath);
}

void TDRUK::saveSettings(QSettings &settings) const
{
    settings.setValue(QStringLiteral("DRTYP"), int(TypWydruku));
    settings.setValue(QStringLiteral("DRPORT"), int(Port));
    settings.setValue(QStringLiteral("DREKSPORT"), 0);
    settings.setValue(QStringLiteral("DRRODZAJ"), int(Rodzaj));
    settings.setValue(QStringLiteral("DRPL"), int(Pl));
    settings.setValue(QStringLiteral("DRPODZIAL"), Podzial ? 1 : 0);
    settings.setValue(QStringLiteral("DRBUFOR"), Bufor ? 1 : 0);
    settings.setValue(QStringLiteral("DRLEWY"), MarL);
    settings.setValue(QStringLiteral("DRGORA"), MarG);
    settings.setValue(QStringLiteral("DRLINIDOS"), MaxLiniaDOS);
    settings.sync();
}
