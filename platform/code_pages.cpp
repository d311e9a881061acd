#include "platform/code_pages.h"

#include "platform/db_error.h"

QString MissingCodePageMessage(const char *name)
{
    return QStringLiteral("Brak strony kodowej %1.\rTekstu z polskimi literami nie można zapisać "
                          "ani odczytać w tym kodowaniu.")
        .arg(QString::fromLatin1(name));
}

QStringEncoder CodePageEncoder(const char *name)
{
    QStringEncoder encoder(name);
    if (!encoder.isValid())
        throw DbError(MissingCodePageMessage(name));
    return encoder;
}

QStringDecoder CodePageDecoder(const char *name)
{
    QStringDecoder decoder(name);
    if (!decoder.isValid())
        throw DbError(MissingCodePageMessage(name));
    return decoder;
}
