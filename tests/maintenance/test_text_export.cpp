#include "maintenance/text_export.h"
#include "transfer_fixture.h"

#include <csignal>
#include <sys/resource.h>

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

using TextExport = TransferTest;

TEST_F(TextExport, HeaderAndOneLinePerRowWithTabsReplacedAndLineBreaksRemoved)
{
    TDANE &d = startWith({{1, "ALFA", "Łódź"}, {2, "BETA", "Opole"}});
    plainSql("2019/FIN/KONTRAHI.DB",
             "UPDATE KONTRAHI SET NAZWA1 = 'Ala' || char(9) || 'ma', ff = 'linia 1' || char(13, 10) "
             "|| 'linia 2' || char(10) WHERE NR = 1");
    d.TKontrah.refresh();
    d.TKontrah.last();

    const std::optional<int> rows =
        ExportTable(d.TKontrah, ExportMapping(d.TKontrah), at("export.txt"), progress, prompter);
    ASSERT_EQ(rows, 2);
    EXPECT_EQ(read("export.txt"),
              "NR\tNIP\tSKROT\tNAZWA1\tNAZWA2\tKOD\tMIEJSC\tUL\tBANK\tNUM1\tNUM2\tNUM3\tff\t\r\n"
              "1\t\tALFA\tAla:ma\t\t\tŁódź\t\t\t\t\t\tlinia 1linia 2\t\r\n"
              "2\t\tBETA\t\t\t\tOpole\t\t\t\t\t\t\t\r\n");
    EXPECT_EQ(d.TKontrah.field("NR").asInteger(), 2) << "the catalogue stays on its contractor";
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(TextExport, OnlyFieldsWithAColumnNameAreWrittenUnderThatName)
{
    TDANE &d = startWith({{1, "ALFA", "Łódź"}});
    TransferMapping mapping = ExportMapping(d.TKontrah);
    QString error;
    EXPECT_FALSE(ChooseExportColumns(mapping, "NR,KOLOR", error));
    EXPECT_EQ(error, "Tabela nie ma pola KOLOR.");
    EXPECT_EQ(mapping, ExportMapping(d.TKontrah)) << "a refused choice changes nothing";

    ASSERT_TRUE(ChooseExportColumns(mapping, "miejsc=Miejscowość,NR", error));
    mapping[0].fileColumn = "   ";
    mapping[2].fileColumn = "Skrót nazwy";
    ASSERT_EQ(ExportTable(d.TKontrah, mapping, at("wybrane.txt"), progress, prompter), 1);
    EXPECT_EQ(read("wybrane.txt"), "Skrót nazwy\tMiejscowość\t\r\nALFA\tŁódź\t\r\n")
        << "spaces are no name; columns in the table's order";
}

TEST_F(TextExport, LettersWindows1250LacksAreWrittenAsQuestionMarksWithAWarning)
{
    TDANE &d = startWith({{1, "ALFA", "Łódź"}, {2, "BETA", "Opole"}});
    plainSql("2019/FIN/KONTRAHI.DB", "UPDATE KONTRAHI SET SKROT = 'ЖУК' WHERE NR = 2");
    d.TKontrah.refresh();
    ASSERT_EQ(ExportTable(d.TKontrah, ExportMapping(d.TKontrah), at("e.txt"), progress, prompter), 2);
    EXPECT_TRUE(read("e.txt").contains("2\t\t???\t"));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(prompter.messages()[0].text,
              "Znaki, których nie ma w kodzie Windows-1250, zapisano w pliku " + at("e.txt")
                  + " jako „?” (wiersze pliku: 3).");
}

TEST_F(TextExport, AWriteThatFailsIsReportedAndLeavesAnEarlierExportWhole)
{
    plainSql("2019/FIN/KONTRAHI.DB",
             "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200) "
             "INSERT INTO KONTRAHI (NR, NAZWA1) SELECT i, 'Kontrahent numer ' || i FROM n");
    TDANE &d = start();

    ASSERT_EQ(ExportTable(d.TKontrah, ExportMapping(d.TKontrah), "/dev/full", progress, prompter),
              std::nullopt);
    EXPECT_EQ(messageTexts(), QStringList{"Błąd zapisu pliku : /dev/full"});
    EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Error);

    prompter.clear();
    write("export.txt", "poprzedni export\r\n");
    {
        const FileSizeLimit fullDisk(4096);
        EXPECT_EQ(ExportTable(d.TKontrah, ExportMapping(d.TKontrah), at("export.txt"), progress,
                              prompter),
                  std::nullopt);
    }
    EXPECT_EQ(messageTexts(), QStringList{"Błąd zapisu pliku : " + at("export.txt")});
    EXPECT_EQ(read("export.txt"), "poprzedni export\r\n");
    EXPECT_EQ(QDir(folder.dir.path()).entryList({"export.txt*"}, QDir::Files), QStringList{"export.txt"})
        << "no half-written copy left behind";

    prompter.clear();
    EXPECT_EQ(ExportTable(d.TKontrah, ExportMapping(d.TKontrah), at("brak/export.txt"), progress,
                          prompter),
              std::nullopt);
    EXPECT_EQ(messageTexts(), QStringList{"Błąd zapisu pliku : " + at("brak/export.txt")});
}
