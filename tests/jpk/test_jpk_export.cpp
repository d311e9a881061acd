#include "jpk_fixture.h"

#include <csignal>
#include <sys/resource.h>

#include <QFileInfo>
#include <sys/stat.h>

using JpkExport = JpkTest;

namespace {

JpkRequest months(int from, int to)
{
    JpkRequest request;
    request.fromMonth = from;
    request.toMonth = to;
    return request;
}

JpkRequest office(const QString &code)
{
    JpkRequest request;
    request.officeCode = code;
    return request;
}

JpkRequest correction()
{
    JpkRequest request;
    request.purpose = 2;
    return request;
}

JpkRequest into(const QString &file)
{
    JpkRequest request;
    request.file = file;
    return request;
}

} // namespace

TEST_F(JpkExport, YearWithEveryKindOfEntryValidatesAndItsSumsEqualTheRows)
{
    start();
    entry(1, "01", "2026.01.05",
          {{"NRKSIEG", "FV/1/2026"}, {"KSEF", "5265877635-20260115-0100001AF629-33"},
           {"NIP", "DE 123456789"}, {"NAZ1", "Müller"}, {"NAZ2", "GmbH"}, {"KOD", "10115"},
           {"MIEJSC", "BERLIN"}, {"UL", "Hauptstraße 1"}, {"OPIS1", "Sprzedaż"}, {"OPIS2", "towarów"},
           {"K7", "1000,50"}, {"K8", "20"}, {"UWAGI", "zapłata\nprzelewem"}});
    entry(2, "02", "2026.02.10",
          {{"NRKSIEG", "FZ/7"}, {"NIP", "526-000-12-46"}, {"NAZ1", "Hurtownia"}, {"KOD", "00-950"},
           {"MIEJSC", "WARSZAWA"}, {"OPIS1", "Zakup"}, {"K10", "300"}, {"K11", "15,25"},
           {"K12", "100"}, {"K13", "50"}, {"K16", "7"}, {"K17", "250"},
           {"UWAGI", "prace badawcze nad nowym produktem"}});
    entry(3, "02", "2026.02.11", {{"OPIS1", "Korekta sprzedaży"}, {"K7", "-100"}});
    entry(4, "03", "2026.03.01",
          {{"NRKSIEG", "FV/9"}, {"NAZ1", "Kowalski"}, {"KOD", "30-001"}, {"MIEJSC", "KRAKÓW"},
           {"OPIS1", "Sprzedaż"}, {"K7", "0,004"}});
    stock("2025.12.31", "500");
    stock("2026.06.30", "650,10");
    stock("2026.12.31", "400");

    const auto summary = exportBook();
    ASSERT_TRUE(summary) << messageTexts().join('\n').toStdString();
    const QString file = at("jpk.xml");
    EXPECT_EQ(xmllint(file), file + " validates");
    EXPECT_EQ(summary->rows, 4);
    EXPECT_EQ(summary->officeCode, "1433") << "found by the office's name";

    EXPECT_EQ(valuesOf(file, "K_1"), QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(valuesOf(file, "K_2"), QStringList({"2026-01-05", "2026-02-10", "2026-02-11", "2026-03-01"}));
    EXPECT_EQ(valuesOf(file, "K_3B"), QStringList({"5265877635-20260115-0100001AF629-33"}));
    EXPECT_EQ(valuesOf(file, "K_4A"), QStringList({"DE", "PL"}));
    EXPECT_EQ(valuesOf(file, "K_4B"), QStringList({"123456789", "5260001246"}));
    EXPECT_EQ(valuesOf(file, "K_5A")[0], "Müller GmbH");
    EXPECT_EQ(valuesOf(file, "K_5B")[0], "10115 BERLIN, Hauptstraße 1");
    EXPECT_EQ(valuesOf(file, "K_6")[0], "Sprzedaż towarów");
    EXPECT_EQ(valuesOf(file, "K_7"), QStringList({"1000.50", "-100.00"}))
        << "a negative correction is kept; an amount that rounds to nothing is left out";
    EXPECT_EQ(valuesOf(file, "K_9"), QStringList({"1020.50", "-100.00"}));
    EXPECT_EQ(valuesOf(file, "K_14"), QStringList({"150.00"}));
    EXPECT_EQ(valuesOf(file, "K_15"), QStringList({"7.00"})) << "the book's column 15 is K16";
    EXPECT_EQ(valuesOf(file, "K_16A"), QStringList({"prace badawcze nad nowym produktem"}));
    EXPECT_EQ(valuesOf(file, "K_16B"), QStringList({"250.00"}));
    EXPECT_EQ(valuesOf(file, "K_17"), QStringList({"zapłata przelewem"}));
    EXPECT_EQ(valuesOf(file, "K_3A"), QStringList({"FV/1/2026", "FZ/7", "brak", "FV/9"}));
    EXPECT_EQ(summary->warnings,
              QStringList({"LP 3: brak numeru dowodu (K_3A), zapisano „brak”",
                           "LP 3: brak kontrahenta (K_5A), zapisano „brak”",
                           "LP 3: brak adresu (K_5B), zapisano „brak”"}));
    EXPECT_TRUE(JpkSummaryText(*summary).contains("LP 3: brak adresu (K_5B)"));

    EXPECT_EQ(valuesOf(file, "LiczbaWierszy"), QStringList({"4"}));
    EXPECT_EQ(valuesOf(file, "SumaPrzychodow"), QStringList({"920.50"}));
    // P_1 the stock of the end of 2025, P_2 that of 31 December 2026.
    EXPECT_EQ(valuesOf(file, "P_1"), QStringList({"500.00"}));
    EXPECT_EQ(valuesOf(file, "P_2"), QStringList({"400.00"}));
    EXPECT_EQ(valuesOf(file, "P_3"), QStringList({"565.25"})) << "500 + 300 + 15.25 + 150 - 400";
    EXPECT_EQ(valuesOf(file, "P_4"), QStringList({"355.25"})) << "920.50 - 565.25";
    EXPECT_EQ(valuesOf(file, "P_5A"), QStringList({"2026-06-30"}));
    EXPECT_EQ(valuesOf(file, "P_5B"), QStringList({"650.10"}));
    EXPECT_EQ(valuesOf(file, "DataOd"), QStringList({"2026-01-01"}));
    EXPECT_EQ(valuesOf(file, "DataDo"), QStringList({"2026-12-31"}));
    EXPECT_EQ(valuesOf(file, "CelZlozenia"), QStringList({"1"}));
    EXPECT_EQ(valuesOf(file, "NIP"), QStringList({"5261040828"}));
    EXPECT_EQ(valuesOf(file, "DataUrodzenia"), QStringList({"1980-05-15"}));
    EXPECT_EQ(filesBeside(), QStringList({"jpk.xml"})) << "no temporary file is left";
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(QFileInfo(file).permissions() & QFileDevice::ReadOther, (mask & S_IROTH) ? 0 : QFileDevice::ReadOther)
        << "the file is readable as any other new file of the user, not its owner's alone";
}

TEST_F(JpkExport, OpeningStockIsThatOfTheFirstOfJanuaryElseTheLatestBeforeTheYear)
{
    start();
    fullEntry(1, "01", "2026.01.05", {{"K7", "1000"}, {"K13", "100"}});
    auto summary = exportBook();
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->info.p1, Money()) << "no stock-taking: 0";
    EXPECT_EQ(summary->info.p2, Money());
    EXPECT_EQ(summary->info.p3, Money::fromZloty(100));
    EXPECT_EQ(summary->info.p4, Money::fromZloty(900));
    EXPECT_TRUE(valuesOf(at("jpk.xml"), "P_5A").isEmpty());

    stock("2024.12.31", "50");
    stock("2025.12.31", "70");
    summary = exportBook();
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->info.p1, Money::fromZloty(70)) << "the latest before the year";
    stock("2026.01.01", "80");
    stock("2026.03.31", "90");
    summary = exportBook(months(1, 2));
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->info.p1, Money::fromZloty(80)) << "1 January wins";
    EXPECT_EQ(summary->info.p3, Money::fromZloty(180));
    EXPECT_EQ(summary->to, QDate(2026, 2, 28));
    EXPECT_TRUE(valuesOf(at("jpk.xml"), "P_5A").isEmpty()) << "31 March is outside the period";
    summary = exportBook(months(3, 3));
    EXPECT_FALSE(summary) << "no entries in March";
    EXPECT_EQ(messageTexts().last(), "Brak zapisów w okresie.");
    summary = exportBook(months(1, 3));
    ASSERT_TRUE(summary);
    EXPECT_EQ(valuesOf(at("jpk.xml"), "P_5A"), QStringList({"2026-03-31"}));
    EXPECT_EQ(xmllint(at("jpk.xml")), at("jpk.xml") + " validates");
}

TEST_F(JpkExport, EntriesThatCannotGoIntoTheFileAreListedAndNothingIsWritten)
{
    start();
    fullEntry(1, "01", "2026.01.05", {{"K7", "10"}});
    fullEntry(2, "01", "2026.01.32", {{"K7", "10"}});
    fullEntry(3, "02", "2025.02.01", {{"K7", "10"}});
    fullEntry(0, "02", "2026.02.02", {{"K7", "10"}});
    fullEntry(5, "02", "2026.02.03", {{"K7", "10"}});
    // Another program may write what the book's own rules refuse.
    Connection book(at("2026/KSIEGA/KSIEGA.DB"), Connection::Mode::ReadWrite);
    book.exec("UPDATE KSIEGA SET KSEF = '5265877635-20260115-0100001AF629-34' WHERE LP = 5");
    ASSERT_FALSE(exportBook());
    ASSERT_EQ(messageTexts().size(), 1);
    EXPECT_EQ(messageTexts()[0],
              "Zapisów nie można zapisać w pliku JPK_PKPIR:\r"
              "LP 0: numer zapisu nie jest większy od 0\r"
              "LP 2: błędna data zdarzenia „2026.01.32”\r"
              "LP 3: błędna data zdarzenia „2025.02.01”\r"
              "LP 5: błędny numer KSeF „5265877635-20260115-0100001AF629-34”\r"
              "Plik nie został zapisany.");
    EXPECT_TRUE(filesBeside().isEmpty());
}

TEST_F(JpkExport, TheOfficeCodeComesFromTheOptionOrTheFirmElseTheExportSaysHowToGiveIt)
{
    firm("URZAD = '1471 Urząd Skarbowy Warszawa-Ursynów'");
    start();
    fullEntry(1, "01", "2026.01.05", {{"K7", "10"}});
    auto summary = exportBook();
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->officeCode, "1471");
    summary = exportBook(office("0202"));
    ASSERT_TRUE(summary);
    EXPECT_EQ(valuesOf(at("jpk.xml"), "KodUrzedu"), QStringList({"0202"}));
    EXPECT_FALSE(exportBook(office("9999")));
    EXPECT_EQ(messageTexts().last(), "Nieznany kod urzędu skarbowego: 9999.");

    firm("URZAD = 'Urząd w moim mieście'");
    start();
    prompter.clear();
    EXPECT_FALSE(exportBook());
    EXPECT_TRUE(messageTexts().last().startsWith("Nie znaleziono kodu urzędu skarbowego dla „Urząd w moim mieście”."));
    EXPECT_TRUE(messageTexts().last().contains("--urzad KOD"));
}

TEST_F(JpkExport, AFirmThatIsNoNaturalPersonIsWrittenByItsFullName)
{
    firm("RP = 'P', NAZWA1 = 'Przedsiębiorstwo „Ład”', NAZWA2 = 'Sp. z o.o.', EMAIL = NULL");
    start();
    fullEntry(1, "01", "2026.01.05", {{"K7", "10"}});
    ASSERT_TRUE(exportBook(correction()));
    EXPECT_EQ(xmllint(at("jpk.xml")), at("jpk.xml") + " validates");
    EXPECT_EQ(valuesOf(at("jpk.xml"), "PelnaNazwa"), QStringList({"Przedsiębiorstwo „Ład” Sp. z o.o."}));
    EXPECT_EQ(valuesOf(at("jpk.xml"), "CelZlozenia"), QStringList({"2"}));
    EXPECT_TRUE(valuesOf(at("jpk.xml"), "Email").isEmpty());

    firm("RP = 'F', IMIE = NULL, DATAUR = '1980'");
    start();
    prompter.clear();
    EXPECT_FALSE(exportBook());
    EXPECT_EQ(messageTexts(), QStringList({"Uzupełnij Dane o Firmie (Narzędzia / Dane o Firmie): "
                                           "imię, data urodzenia."}));
}

TEST_F(JpkExport, ADocumentTheSchemaRefusesIsNeverWritten)
{
    firm("EMAIL = 'bez-malpy'");
    start();
    fullEntry(1, "01", "2026.01.05", {{"K7", "10"}});
    ASSERT_FALSE(exportBook());
    ASSERT_EQ(messageTexts().size(), 1);
    EXPECT_TRUE(messageTexts()[0].startsWith(
        "Plik JPK_PKPIR nie jest zgodny ze schematem i nie został zapisany:\rwiersz "));
    EXPECT_TRUE(messageTexts()[0].contains("Email")) << messageTexts()[0].toStdString();
    EXPECT_TRUE(filesBeside().isEmpty());
}

TEST_F(JpkExport, MarkupCharactersAreTextAndACharacterXmlCannotHoldWritesNothing)
{
    start();
    entry(1, "01", "2026.01.05",
          {{"NRKSIEG", "FV/1&2"}, {"NAZ1", "Hurt \"Ala\" & <Ola>"}, {"NAZ2", "'s-Hertogenbosch"},
           {"KOD", "00-950"}, {"MIEJSC", "WARSZAWA"}, {"OPIS1", "a > b"}, {"K7", "10"}});
    ASSERT_TRUE(exportBook()) << messageTexts().join('\n').toStdString();
    EXPECT_EQ(xmllint(at("jpk.xml")), at("jpk.xml") + " validates");
    EXPECT_EQ(valuesOf(at("jpk.xml"), "K_3A"), QStringList({"FV/1&2"}));
    EXPECT_EQ(valuesOf(at("jpk.xml"), "K_5A"), QStringList({"Hurt \"Ala\" & <Ola> 's-Hertogenbosch"}));
    EXPECT_EQ(valuesOf(at("jpk.xml"), "K_6"), QStringList({"a > b"}));

    QFile written(at("jpk.xml"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray before = written.readAll();
    written.close();
    // Another program may write a control character, which no XML file can hold.
    Connection book(at("2026/KSIEGA/KSIEGA.DB"), Connection::Mode::ReadWrite);
    book.exec("UPDATE KSIEGA SET OPIS1 = 'zły' || char(1) || 'znak' WHERE LP = 1");
    prompter.clear();
    EXPECT_FALSE(exportBook());
    EXPECT_EQ(messageTexts(), QStringList({"Błąd zapisu pliku : " + at("jpk.xml")}));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), before);
    EXPECT_EQ(filesBeside(), QStringList({"jpk.xml"}));
}

TEST_F(JpkExport, ABookAnotherProgramHoldsIsInUseAndNothingIsLeftBehind)
{
    start();
    fullEntry(1, "01", "2026.01.05", {{"K7", "10"}});
    qputenv("KSIEGA_BUSY_TIMEOUT_MS", "200");
    const QString book = at("2026/KSIEGA/KSIEGA.DB");
    Connection holder(book, Connection::Mode::ReadWrite);
    holder.exec("BEGIN EXCLUSIVE");
    EXPECT_FALSE(exportBook());
    EXPECT_EQ(messageTexts(), QStringList({"Tabela KSIEGA jest używana przez inny program. Spróbuj "
                                           "ponownie za chwilę.\rBaza : "
                                           + book}));
    EXPECT_TRUE(filesBeside().isEmpty()) << "neither the file nor the rows put aside";
    holder.exec("ROLLBACK");
    qunsetenv("KSIEGA_BUSY_TIMEOUT_MS");
    EXPECT_TRUE(exportBook());
}

namespace {

// Writes beyond `bytes` fail in this process while it lives, as on a disk that is full.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &before_);
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = before_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit before_{};
    void (*previousSignal_)(int) = nullptr;
};

} // namespace

TEST_F(JpkExport, AFullDiskOrAMissingFolderFailsAndKeepsTheFileThatWasThere)
{
    start();
    for (int number = 1; number <= 40; ++number)
        fullEntry(number, "01", "2026.01.05", {{"K7", "10"}});
    QFile earlier(at("jpk.xml"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("poprzedni plik");
    earlier.close();
    {
        const FileSizeLimit fullDisk(4096);
        EXPECT_FALSE(exportBook());
    }
    EXPECT_EQ(messageTexts(), QStringList({"Błąd zapisu pliku : " + at("jpk.xml")}));
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), "poprzedni plik");
    EXPECT_EQ(filesBeside(), QStringList({"jpk.xml"})) << "no half file beside it";

    prompter.clear();
    EXPECT_FALSE(exportBook(into(at("brak/jpk.xml"))));
    EXPECT_EQ(messageTexts(), QStringList({"Błąd zapisu pliku : " + at("brak/jpk.xml")}));
}
