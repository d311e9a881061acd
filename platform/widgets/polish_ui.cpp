#include "platform/widgets/polish_ui.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void applyPolishInterface(QApplication &application)
{
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    auto *translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(translator);
}
