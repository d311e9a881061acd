#include "firm/address_completion.h"
#include "firm/firm_fields.h"
#include "firm/firm_logo.h"
#include "firm/firm_record.h"
#include "core/table_layouts.h"
#include "tests/core/data_root_fixture.h"

using FirmRecord = DataRootTest;

namespace {

QString text(Cursor &cursor, const char *field) { return cursor.field(field).asString(); }

void set(TDANE &dane, const char *field, const QString &value)
{
    SetFirmField(dane, *FindFirmFormField(field), value);
}

} // namespace

TEST_F(FirmRecord, PostOfficeTypedIntoAnEmptyAddressFillsTheSevenFields)
{
    TDANE &d = start();
    ASSERT_TRUE(GoToFirmRecord(d.TFIRMA));
    set(d, "POCZTA", "Kraków");
    for (const char *field :
         {"POCZTA", "ZPOCZTA", "POWIAT", "GMINA", "MIEJSCOWOSC", "ZPOWIAT", "ZGMINA", "ZMIEJSCOWOSC"})
        EXPECT_EQ(text(d.TFIRMA, field), "Kraków") << field;
    for (const char *field : {"ULICA", "ZULICA", "KOD", "ZKOD", "ZKRAJ", "WOJEWODZTWO"})
        EXPECT_EQ(text(d.TFIRMA, field), "") << field;
    EXPECT_EQ(text(d.TFIRMA, "KRAJ"), "POLSKA");
}

TEST_F(FirmRecord, FilledFieldsAreKeptAndTheResidenceNeverFlowsBack)
{
    TDANE &d = start();
    ASSERT_TRUE(GoToFirmRecord(d.TFIRMA));
    set(d, "ULICA", "Długa");
    EXPECT_EQ(text(d.TFIRMA, "ZULICA"), "Długa");
    set(d, "ULICA", "Krótka");
    EXPECT_EQ(text(d.TFIRMA, "ZULICA"), "Długa") << "a filled residence street stays";

    set(d, "GMINA", "Wieliczka");
    set(d, "ZPOWIAT", "wielicki");
    set(d, "POCZTA", "Kraków");
    EXPECT_EQ(text(d.TFIRMA, "GMINA"), "Wieliczka");
    EXPECT_EQ(text(d.TFIRMA, "ZGMINA"), "Wieliczka");
    EXPECT_EQ(text(d.TFIRMA, "ZPOWIAT"), "wielicki");
    EXPECT_EQ(text(d.TFIRMA, "POWIAT"), "Kraków");

    set(d, "ZKOD", "30-001");
    CompleteAddress(d.TFIRMA, "ZKOD");
    CompleteAddress(d.TFIRMA, "KOD");
    EXPECT_EQ(text(d.TFIRMA, "KOD"), "") << "the residence is never copied to the seat";
    EXPECT_EQ(text(d.TFIRMA, "ZKOD"), "30-001");

    // Leaving a seat box completes even when nothing was typed in it just then.
    set(d, "ZKRAJ", "");
    CompleteAddress(d.TFIRMA, "kraj");
    EXPECT_EQ(text(d.TFIRMA, "ZKRAJ"), "POLSKA");
}

TEST_F(FirmRecord, ClosingSavesBothRecordsAndTheCaptionTakesTheNewShortName)
{
    TDANE &d = start();
    ASSERT_TRUE(GoToFirmRecord(d.TFIRMA));
    set(d, "SKROT", "Żółw Sp. j.");
    set(d, "OBRDATA", "04.01");
    set(d, "ACYKL", "14");
    EXPECT_THROW(set(d, "ARCHDNI", "dużo"), DbError);
    EXPECT_TRUE(SaveFirmData(d));
    EXPECT_FALSE(d.TFIRMA.isEditing());
    EXPECT_FALSE(d.TPARA.isEditing());
    EXPECT_EQ(MainWindowCaption("RAZEDO 2019", FirmDataClosed(d)), "RAZEDO 2019 Żółw Sp. j.");
    EXPECT_TRUE(prompter.messages().isEmpty());

    // A new start reads it all from the files, and the new accounting year start moves the
    // working year back until 1 April.
    TDANE &again = start("2019.03.31");
    EXPECT_EQ(FirmShortName(again), "Żółw Sp. j.");
    EXPECT_EQ(text(again.TPARA, "ACYKL"), "14");
    EXPECT_EQ(environment.workingYear, "2019") << "no 2018 directory: the year stays";
}

TEST_F(FirmRecord, TaxpayersAreNeverTakenForTheFirm)
{
    TDANE &d = start();
    d.TFIRMA.append();
    d.TFIRMA.field("NR").setInteger(1);
    d.TFIRMA.field("SKROT").setAsString("Podatnik");
    d.TFIRMA.post();
    EXPECT_EQ(FirmShortName(d), "Test");
    EXPECT_EQ(d.TFIRMA.recordCount(), 1);

    // With only taxpayers left, the firm window starts empty and the first value typed makes
    // the firm record.
    d.TFIRMA.setFiltered(false);
    d.TFIRMA.first();
    ASSERT_TRUE(d.TFIRMA.field("NR").isNull());
    d.TFIRMA.remove();
    EXPECT_EQ(FirmShortName(d), "");
    set(d, "SKROT", "Nowa");
    EXPECT_TRUE(SaveFirmData(d));
    EXPECT_EQ(FirmShortName(d), "Nowa");
    d.TFIRMA.setFiltered(false);
    EXPECT_EQ(d.TFIRMA.recordCount(), 2);
}

TEST_F(FirmRecord, WithoutTheFirmTableThereIsNoFirmRecord)
{
    TDANE &d = start();
    d.TFIRMA.close();
    EXPECT_FALSE(GoToFirmRecord(d.TFIRMA));
    EXPECT_EQ(FirmShortName(d), "");
}

TEST_F(FirmRecord, LogoSizeComesFromTheDataRootsBitmap)
{
    EXPECT_TRUE(LoadFirmLogo(folder.dir.path() + '/').isNull());
    EXPECT_EQ(LogoSizeLine(LoadFirmLogo(folder.dir.path() + '/')), "Wymiar rysuknku :  0 / 0");
    QImage picture(600, 300, QImage::Format_RGB32);
    picture.fill(Qt::white);
    ASSERT_TRUE(picture.save(at("LOGO.BMP"), "BMP"));
    EXPECT_EQ(LogoSizeLine(LoadFirmLogo(folder.dir.path() + '/')), "Wymiar rysuknku :  600 / 300");
}

TEST(FirmFields, EveryFieldOfTheWindowExistsInItsTable)
{
    const TableDef firm = firmLayout();
    const TableDef parameters = parameterLayout();
    for (const FirmFormField &field : FirmFormFields()) {
        const TableDef &table = field.parameter ? parameters : firm;
        EXPECT_TRUE(std::any_of(table.fields.cbegin(), table.fields.cend(),
                                [&](const FieldDef &def) { return def.name == field.name; }))
            << field.name.toStdString();
    }
    EXPECT_EQ(Voivodeships().size(), 16);
    EXPECT_EQ(Voivodeships().first(), "DOLNOŚLĄSKIE");
    EXPECT_EQ(Voivodeships().last(), "ZACHODNIPOMORSKIE");
    EXPECT_EQ(FindFirmFormField("urzad")->name, "URZAD");
    EXPECT_EQ(FindFirmFormField("NR"), nullptr) << "the number would make the firm a taxpayer";
}
