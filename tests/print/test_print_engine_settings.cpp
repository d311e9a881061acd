// The engine's start-up: saved settings, their defaults and limits, the logo, and a system
// without a printer.

#include "print_fixture.h"

#include <QImage>
#include <QSettings>

class EngineSettings : public EngineTest {
protected:
    QSettings settings{path("DRUK.ini"), QSettings::IniFormat};
};

TEST_F(EngineSettings, MissingKeyKeepsTheDefaults)
{
    engine.startUp(settings);
    EXPECT_EQ(engine.TypWydruku, drWINDOWS);
    EXPECT_EQ(engine.Port, drLPT1);
    EXPECT_EQ(engine.Rodzaj, drAUTO);
    EXPECT_EQ(engine.Pl, drBRAK);
    EXPECT_FALSE(engine.Podzial);
    EXPECT_FALSE(engine.Bufor);
    EXPECT_EQ(engine.MarL, 0);
    EXPECT_EQ(engine.MarG, 0);
    EXPECT_EQ(engine.MaxLiniaDOS, 70);
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(EngineSettings, SavedSettingsComeBackAndShortPagesBecomeSeventyLines)
{
    engine.TypWydruku = drBW;
    engine.Port = drLPT3;
    engine.Eksport = drTXTb;
    engine.Rodzaj = drNORMALNY;
    engine.Pl = drMAZOWIA;
    engine.Podzial = true;
    engine.Bufor = true;
    engine.MarL = 12;
    engine.MarG = 3;
    engine.MaxLiniaDOS = 9;
    engine.saveSettings(settings);
    EXPECT_EQ(settings.value("DREKSPORT").toInt(), 0);
    EXPECT_EQ(settings.value("DRPL").toInt(), 1);
    EXPECT_EQ(settings.value("DRPODZIAL").toInt(), 1);

    TDRUK restarted(PrintContext{environment, {}, QStringLiteral("RAZEDO 2019")}, printers,
                    dialogs, prompter, progress);
    restarted.startUp(settings);
    EXPECT_EQ(restarted.TypWydruku, drBW);
    EXPECT_EQ(restarted.Port, drLPT3);
    EXPECT_EQ(restarted.Eksport, drTXT);
    EXPECT_EQ(restarted.Rodzaj, drNORMALNY);
    EXPECT_EQ(restarted.Pl, drMAZOWIA);
    EXPECT_TRUE(restarted.Podzial);
    EXPECT_TRUE(restarted.Bufor);
    EXPECT_EQ(restarted.MarL, 12);
    EXPECT_EQ(restarted.MarG, 3);
    EXPECT_EQ(restarted.MaxLiniaDOS, 70);
}

// A value no choice has (a hand-edited registry) must not pick an output that is not there.
TEST_F(EngineSettings, ValuesOutsideTheChoicesFallBackToTheFirst)
{
    settings.setValue("DRTYP", 7);
    settings.setValue("DRPL", -1);
    settings.setValue("DRLEWY", 500);
    engine.startUp(settings);
    EXPECT_EQ(engine.TypWydruku, drWINDOWS);
    EXPECT_EQ(engine.Pl, drBRAK);
    EXPECT_EQ(engine.MarL, 99);
}

TEST_F(EngineSettings, LogoComesFromTheDataRoot)
{
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(path("LOGO.BMP"), "BMP"));
    engine.startUp(settings);
    EXPECT_EQ(engine.logo().size(), QSize(4, 3));
}

TEST_F(EngineSettings, NoPrinterWarnsAndLoadsNothing)
{
    settings.setValue("DRTYP", int(drDOS));
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.save(path("logo.bmp"), "BMP");
    printers.names.clear();
    engine.startUp(settings);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages().at(0).text, "Uwaga nie posiadasz zainstalowanej drukarki !!");
    EXPECT_EQ(prompter.messages().at(0).icon, MessageIcon::Warning);
    EXPECT_EQ(engine.TypWydruku, drWINDOWS);
    EXPECT_TRUE(engine.logo().isNull());
}
