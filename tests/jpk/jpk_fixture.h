#pragma once
// A data root of 2026 whose firm is a natural person with everything the structured book
// needs, entries written straight through the ledger cursor, and the written file read back
// element by element and checked by xmllint against the schema, as an outside checker would.

#include "jpk/jpk_export.h"
#include "ledger/stock_taking.h"
#include "tests/core/data_root_fixture.h"

#include <QProcess>
#include <QScopedValueRollback>
#include <QXmlStreamReader>

#include <initializer_list>
#include <utility>

class JpkTest : public ::testing::Test {
protected:
    using Fields = std::initializer_list<std::pair<const char *, const char *>>;

    void SetUp() override
    {
        ASSERT_TRUE(folder.dir.isValid());
        createDataRoot({QString(), QStringLiteral("Test"), QStringLiteral("2026"),
                        QStringLiteral("Kowalski Jan"), false});
        firm("NIP = '526-104-08-28', IMIE = 'Jan', NAZWISKO = 'Kowalski', DATAUR = '15-05-1980', "
             "URZAD = 'Urząd Skarbowy Warszawa-Mokotów', EMAIL = 'jan@example.pl'");
    }
    void TearDown() override { dane.reset(); }

    QString at(const QString &relative) const { return folder.at(relative); }

    void firm(const QString &assignments)
    {
        Connection connection(at("FIRMA.DB"), Connection::Mode::ReadWrite);
        connection.exec("UPDATE FIRMA SET " + assignments + " WHERE NR IS NULL");
    }

    TDANE &start()
    {
        qputenv("KSIEGA_TODAY", "2026.03.10");
        dane.reset();
        environment = startEnvironment();
        dane = AssembleDataModule(environment, prompter);
        dane->DataModuleCreate();
        return *dane;
    }

    void entry(int number, const char *month, const char *date, Fields fields = {})
    {
        Cursor &ledger = dane->TKSIEGA;
        QScopedValueRollback<bool> imported(dane->environment().importInProgress, true);
        ledger.append();
        ledger.field("LP").setInteger(number);
        ledger.field("MC").setAsString(month);
        ledger.field("DATA").setAsString(date);
        for (const auto &[field, value] : fields)
            ledger.field(field).setAsString(QString::fromUtf8(value));
        ledger.post();
    }

    // An entry with everything the file requires.
    void fullEntry(int number, const char *month, const char *date, Fields amounts)
    {
        entry(number, month, date,
              {{"NRKSIEG", "FV/1"}, {"NAZ1", "Hurtownia"}, {"KOD", "00-950"}, {"MIEJSC", "WARSZAWA"},
               {"OPIS1", "Sprzedaż towarów"}});
        Cursor &ledger = dane->TKSIEGA;
        QScopedValueRollback<bool> imported(dane->environment().importInProgress, true);
        ledger.edit();
        for (const auto &[field, value] : amounts)
            ledger.field(field).setAsString(QString::fromUtf8(value));
        ledger.post();
    }

    void stock(const char *date, const char *value)
    {
        QString error;
        const auto stockTaking = TypedStockTaking(date, value, QString(), error);
        ASSERT_TRUE(stockTaking) << error.toStdString();
        ASSERT_TRUE(AddStockTaking(dane->environment().yearDirectory(), *stockTaking, prompter));
    }

    std::optional<JpkSummary> exportBook(JpkRequest request = {})
    {
        if (request.file.isEmpty())
            request.file = at("jpk.xml");
        request.schemaDirectory = QStringLiteral(KSIEGA_JPK_SCHEMA_DIR);
        return ExportJpkPkpir(*dane, request, prompter);
    }

    // Every element of the file as "Name=text" (elements holding text only), in order.
    QStringList elements(const QString &file)
    {
        QFile input(file);
        EXPECT_TRUE(input.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&input);
        QStringList found;
        QString name;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement())
                name = xml.name().toString();
            else if (xml.isCharacters() && !xml.isWhitespace())
                found << name + '=' + xml.text().toString();
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        return found;
    }

    QStringList valuesOf(const QString &file, const QString &element)
    {
        QStringList values;
        for (const QString &found : elements(file))
            if (found.startsWith(element + '='))
                values << found.mid(element.size() + 1);
        return values;
    }

    // xmllint's verdict with the catalog beside the schema, the network forbidden.
    QString xmllint(const QString &file)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XML_CATALOG_FILES", QStringLiteral(KSIEGA_JPK_SCHEMA_DIR) + "/catalog.xml");
        process.setProcessEnvironment(env);
        process.start("xmllint", {"--nonet", "--noout", "--schema",
                                  QStringLiteral(KSIEGA_JPK_SCHEMA_DIR)
                                      + "/Struktura_Schemat_JPK_PKPIR(3)_v1-0.xsd",
                                  file});
        EXPECT_TRUE(process.waitForFinished(60000));
        return QString::fromUtf8(process.readAllStandardError()).trimmed();
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const RecordedMessage &message : prompter.messages())
            texts << message.text;
        return texts;
    }

    // Files beside the target: a failed export leaves none, not even a temporary one.
    QStringList filesBeside() const
    {
        return QDir(folder.dir.path()).entryList({"jpk*"}, QDir::Files);
    }

    StartedInNewFolder folder;
    WorkingEnvironment environment;
    ScriptedPrompter prompter;
    std::unique_ptr<TDANE> dane;
};
