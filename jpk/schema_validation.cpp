#include "jpk/schema_validation.h"

#include <QFile>

#include <libxml/catalog.h>
#include <libxml/parser.h>
#include <libxml/xmlIO.h>
#include <libxml/xmlschemas.h>

#include <memory>

namespace {

void collect(void *messages, xmlErrorPtr error)
{
    if (!error || !error->message)
        return;
    const QString text = QString::fromUtf8(error->message).trimmed();
    auto *list = static_cast<QStringList *>(messages);
    list->append(error->line > 0 ? QStringLiteral("wiersz %1: %2").arg(error->line).arg(text)
                                 : text);
}

template <typename T, void (*Free)(T *)> struct Deleter {
    void operator()(T *pointer) const { Free(pointer); }
};
using ParserContext = std::unique_ptr<xmlSchemaParserCtxt, Deleter<xmlSchemaParserCtxt, xmlSchemaFreeParserCtxt>>;
using Schema = std::unique_ptr<xmlSchema, Deleter<xmlSchema, xmlSchemaFree>>;
using ValidContext = std::unique_ptr<xmlSchemaValidCtxt, Deleter<xmlSchemaValidCtxt, xmlSchemaFreeValidCtxt>>;

// The catalog is loaded once for each schema folder used in the run.
void useCatalogOf(const QString &schemaDirectory)
{
    static QStringList loaded;
    xmlInitParser();
    // Whatever is not in the catalog is refused rather than fetched.
    xmlSetExternalEntityLoader(xmlNoNetExternalEntityLoader);
    if (loaded.contains(schemaDirectory))
        return;
    xmlLoadCatalog(QFile::encodeName(schemaDirectory + QStringLiteral("/catalog.xml")).constData());
    loaded << schemaDirectory;
}

} // namespace

QString JpkSchemaFile(const QString &schemaDirectory)
{
    return schemaDirectory + QStringLiteral("/Struktura_Schemat_JPK_PKPIR(3)_v1-0.xsd");
}

QStringList SchemaValidationErrors(const QString &file, const QString &schemaDirectory)
{
    useCatalogOf(schemaDirectory);
    QStringList messages;
    const QString schemaFile = JpkSchemaFile(schemaDirectory);
    const QStringList unreadable = {
        QStringLiteral("Nie można wczytać schematu JPK_PKPIR(3): %1").arg(schemaFile)};
    if (!QFile::exists(schemaFile))
        return unreadable;
    ParserContext parser(xmlSchemaNewParserCtxt(QFile::encodeName(schemaFile).constData()));
    if (!parser)
        return unreadable;
    QStringList schemaMessages;
    xmlSchemaSetParserStructuredErrors(parser.get(), collect, &schemaMessages);
    Schema schema(xmlSchemaParse(parser.get()));
    if (!schema)
        return unreadable + schemaMessages;
    ValidContext validator(xmlSchemaNewValidCtxt(schema.get()));
    if (!validator)
        return unreadable;
    xmlSchemaSetValidStructuredErrors(validator.get(), collect, &messages);
    const int result =
        xmlSchemaValidateFile(validator.get(), QFile::encodeName(file).constData(), 0);
    if (result != 0 && messages.isEmpty())
        messages << QStringLiteral("Plik nie jest zgodny ze schematem JPK_PKPIR(3).");
    return result == 0 ? QStringList() : messages;
}
