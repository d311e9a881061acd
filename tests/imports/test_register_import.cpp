// The invoicing program's registers into the ledger: one entry an invoice (or a position),
// the document number and contractor from the invoice, the amount by register and VAT code,
// and a month imported again matching the registers as they now are.

#include "companion_fixture.h"

#include "core/ksef_number.h"
#include "imports/import_start.h"
#include "tests/support/held_table.h"

using RegisterImport = CompanionTest;

TEST_F(RegisterImport, SameColumnPositionsMakeOneEntryWithTheirSum)
{
    addInvoice("SB", 15);
    addPosition("SB", 15, "KOL7", "Bukiety", "100.10", "23.02", "123.12");
    addPosition("SB", 15, "KOL7", "Wiązanki", "50.45", "11.60", "62.05");
    addPosition("SB", 15, "KOL7", "Gratis", "999", "0", "999", "", 1);
    addInvoice("SB", 16, "2019.04.30");
    addPosition("SB", 16, "KOL7", "Kwiecień", "10");
    ready();

    const ImportResult result = importRegisters(RegisterKind::Sales);
    ASSERT_TRUE(result.imported()) << messageTexts().join('\n').toStdString();
    EXPECT_EQ(result.counts.added, 1);
    EXPECT_EQ(entries(), QStringList{"1|SB  /2019/05/0015/001|Sprzedaż towarów i usług|Bukiety|150,55"
                                     "|0,00|0,00|0,00|0,00|0,00|0,00"})
        << "the position the invoicing program made itself and April's invoice stay out";
    Cursor &ledger = dane->TKSIEGA;
    EXPECT_EQ(ledger.field("NRKSIEG").asString(), "FV/15/V/2019");
    EXPECT_EQ(ledger.field("DATA").asString(), "2019.05.06");
    EXPECT_EQ(ledger.field("NAZ1").asString(), "Kwiaciarnia Róża");
    EXPECT_EQ(ledger.field("NAZ2").asString(), "Anna Żak");
    EXPECT_EQ(ledger.field("NIP").asString(), "677-000-21-37");
    EXPECT_EQ(ledger.field("NRK").asString(), "00002");
    EXPECT_FALSE(ledger.field("B1").asBoolean()) << "the import's mark is gone after the clean-up";
    EXPECT_EQ(ledger.field("NAZWISKO").asString(), "Kowalski Jan");
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages().first().text, "Import z programu \"ZIVEDEZ\"\rSprzedaż za miesiąc : 05.2019");
    EXPECT_EQ(prompter.messages().first().buttons, MessageButtons::OkAbort);
}

TEST_F(RegisterImport, AnInvoiceAcrossColumnsIsSplitOnlyWhenTheParametersSaySo)
{
    addInvoice("SB", 1);
    addPosition("SB", 1, "KOL7", "Kwiaty", "100");
    addPosition("SB", 1, "KOL8", "Refaktura", "20");
    addPosition("SB", 1, "KOL15", "Inne", "3");
    ready();
    ASSERT_TRUE(importRegisters(RegisterKind::Sales).imported());
    EXPECT_EQ(entries(), QStringList{"1|SB  /2019/05/0001/001|Sprzedaż towarów i usług|Kwiaty|100,00"
                                     "|20,00|0,00|0,00|0,00|0,00|3,00"});

    setParameters(0, true);
    ready();
    const ImportResult split = importRegisters(RegisterKind::Sales);
    ASSERT_TRUE(split.imported());
    EXPECT_EQ(split.counts.added, 2);
    EXPECT_EQ(split.counts.updated, 1);
    EXPECT_EQ(entries(), (QStringList{
                             "1|SB  /2019/05/0001/001|Sprzedaż towarów i usług|Kwiaty|100,00|0,00|0,00|0,00|0,00|0,00|0,00",
                             "2|SB  /2019/05/0001/002|Sprzedaż pozostała|Refaktura|0,00|20,00|0,00|0,00|0,00|0,00|0,00",
                             "3|SB  /2019/05/0001/003|Inne|Inne|0,00|0,00|0,00|0,00|0,00|0,00|3,00"}));
}

TEST_F(RegisterImport, ImportingAgainFollowsTheRegistersAndLeavesOtherEntries)
{
    addInvoice("SB", 1);
    addPosition("SB", 1, "KOL7", "Kwiaty", "100");
    addInvoice("SB", 2);
    addPosition("SB", 2, "KOL7", "Dekoracja", "40");
    addInvoice("DK", 7);
    addPosition("DK", 7, "KOL10", "Towar", "300");
    ready();
    for (const auto &[number, key] : {std::pair{20, "SAM 01 05.2019"}, {21, "AMOR 05.2019"}, {22, "*"},
                                      {23, ""}, {24, "SB  /2019/04/0009/001"}, {25, "SB  /2019/05/0099/001"}})
        entry(number, key);
    ASSERT_TRUE(importRegisters(RegisterKind::Purchases).imported());
    ASSERT_TRUE(importRegisters(RegisterKind::Sales).imported());
    const QStringList first = entries({"NRKOMP", "OPIS1", "K7", "K10"});

    plainSql("2019/FIN/NAGFAKS.DB", "DELETE FROM NAGFAKS WHERE NRD = 2");
    plainSql("2019/FIN/POZFAKS.DB", "UPDATE POZFAKS SET KKONTO = 'KOL8', WNETTO = 125 WHERE NRD = 1");
    const ImportResult again = importRegisters(RegisterKind::Sales);
    ASSERT_TRUE(again.imported());
    EXPECT_EQ(again.counts.deleted, 1);
    EXPECT_EQ(again.counts.updated, 1);
    const QStringList after = entries({"NRKOMP", "OPIS1", "K7", "K8", "K10"});
    EXPECT_TRUE(after.join('\n').contains("SB  /2019/05/0001/001|Sprzedaż towarów i usług|0,00|125,00|0,00"))
        << "the amounts follow the moved position, the description stays:\n"
        << after.join('\n').toStdString();
    EXPECT_FALSE(after.join('\n').contains("0002/001")) << "the deleted invoice's entry is gone";
    for (const char *kept : {"SAM 01 05.2019", "AMOR 05.2019", "|*|", "SB  /2019/04/0009/001", "DK  /2019/05/0007/001"})
        EXPECT_TRUE(after.join('\n').contains(kept)) << kept;
    EXPECT_FALSE(after.join('\n').contains("0099/001")) << "a sales entry no register holds any more";
    EXPECT_EQ(after.size(), first.size() - 1);
}

TEST_F(RegisterImport, TheSameMonthTwiceGivesTheSameEntries)
{
    addRegister("CS", "Zakupy z odliczeniem częściowym");
    addRegister("ZA", "Zakupy brutto");
    addInvoice("DK", 1);
    addPosition("DK", 1, "KOL10", "Towar", "100", "23", "123", "VPN0");
    addInvoice("ZA", 2);
    addPosition("ZA", 2, "KOL13", "Paliwo", "100", "23", "123");
    addInvoice("CS", 3);
    addPosition("CS", 3, "KOL13", "Paliwo", "243.90", "56.11", "300.01", "VPN5");
    addInvoice("CS", 4);
    addPosition("CS", 4, "KOL13", "Telefon", "0.1", "0.2", "0.3", "VPN0");
    addInvoice("CS", 5);
    addPosition("CS", 5, "KOL13", "Biuro", "100", "23", "123", "D.43");
    ready();
    ASSERT_TRUE(importRegisters(RegisterKind::Purchases).imported());
    const QStringList fields = {"NRKOMP", "NRKSIEG", "DATA", "K10", "K13"};
    const QStringList first = entries(fields);
    EXPECT_EQ(first, (QStringList{"1|DK  /2019/05/0001/001|Z/1|2019.05.28|100,00|0,00",
                                  "2|CS  /2019/05/0003/001|Z/3|2019.05.28|0,00|203,97",
                                  "3|CS  /2019/05/0004/001|Z/4|2019.05.28|0,00|0,30",
                                  "4|CS  /2019/05/0005/001|Z/5|2019.05.28|0,00|100,00",
                                  "5|ZA  /2019/05/0002/001|Z/2|2019.05.28|0,00|123,00"}))
        << "D nets, Z grosses, C adds what it may not deduct; plain złoty values read exactly";

    const ImportResult again = importRegisters(RegisterKind::Purchases);
    ASSERT_TRUE(again.imported());
    EXPECT_EQ(again.counts.added, 0);
    EXPECT_EQ(again.counts.deleted, 0);
    EXPECT_EQ(entries(fields), first);
}

TEST_F(RegisterImport, RefusalsWriteNothing)
{
    addInvoice("SB", 1);
    addPosition("SB", 1, "KOL7", "Kwiaty", "100");
    plainSql("2019/KSIEGA/SUMA.DB", "UPDATE SUMA SET OZN = '*' WHERE KOD = '04'");
    ready("04");
    EXPECT_EQ(refusedImport(RegisterKind::Sales), ImportOutcome::Refused);
    EXPECT_EQ(messageTexts().last(), ClosedMonthText);

    SelectWorkingMonth(*dane, "13");
    EXPECT_EQ(refusedImport(RegisterKind::Purchases), ImportOutcome::Refused);
    EXPECT_EQ(messageTexts().last(), "Wybierz miesiąc importu.");

    SelectWorkingMonth(*dane, "05");
    EXPECT_EQ(importRegisters(RegisterKind::Sales, Answer::Abort).outcome, ImportOutcome::Declined);
    EXPECT_TRUE(entries().isEmpty());

    // A header table the invoicing program wrote without the buyer's tax number.
    plainSql("2019/FIN/NAGFAKS.DB", "ALTER TABLE NAGFAKS DROP COLUMN ONIP");
    ready();
    EXPECT_EQ(refusedImport(RegisterKind::Sales), ImportOutcome::Refused);
    EXPECT_TRUE(messageTexts().last().startsWith("Tabela NAGFAKS nie ma pola ONIP, którego potrzebuje import."))
        << messageTexts().last().toStdString();
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(RegisterImport, AValueTheLedgerRefusesUndoesTheWholeImport)
{
    addInvoice("SB", 1);
    addPosition("SB", 1, "KOL7", "Kwiaty", "100");
    addInvoice("SB", 2);
    addPosition("SB", 2, "KOL7", "Pałac", "100000000000");
    ready();
    entry(1, "SB  /2019/05/0007/001");
    EXPECT_EQ(importRegisters(RegisterKind::Sales).outcome, ImportOutcome::Failed);
    const QString message = messageTexts().last();
    EXPECT_TRUE(message.contains("w polu K7 jest poza dopuszczalnym zakresem")) << message.toStdString();
    EXPECT_TRUE(message.endsWith("Faktura : SB nr 2 z dnia 2019.05.06")) << message.toStdString();
    EXPECT_EQ(entries({"NRKOMP"}), QStringList{"1|SB  /2019/05/0007/001"})
        << "neither the first invoice's entry nor the clean-up was kept";
}

TEST_F(RegisterImport, TheInvoicesKsefNumberIsCarriedAndAWrongOneRefused)
{
    const QString body = QStringLiteral("6770002137-20190506-0123456789AB");
    addInvoice("SB", 1, "2019.05.06", "NULL", body.left(26) + '-' + body.mid(26) + '-' + KsefCheckDigits(body));
    addPosition("SB", 1, "KOL7", "Kwiaty", "100");
    ready();
    ASSERT_TRUE(importRegisters(RegisterKind::Sales).imported());
    EXPECT_EQ(entries({"KSEF"}), QStringList{"1|" + body + '-' + KsefCheckDigits(body)})
        << "kept in the book's 35-sign form";

    addInvoice("SB", 2, "2019.05.07", "NULL", body + "-00");
    addPosition("SB", 2, "KOL7", "Róże", "10");
    EXPECT_EQ(importRegisters(RegisterKind::Sales).outcome, ImportOutcome::Failed);
    EXPECT_EQ(messageTexts().last(), "Błędny numer KSeF.\rFaktura : SB nr 2 z dnia 2019.05.07");
    EXPECT_EQ(entries({"NRKOMP"}).size(), 1);
}

TEST_F(RegisterImport, ALedgerAnotherProgramHoldsIsReportedAsInUse)
{
    addInvoice("SB", 1);
    addPosition("SB", 1, "KOL7", "Kwiaty", "100");
    qputenv("KSIEGA_BUSY_TIMEOUT_MS", "200");
    ready();
    {
        HeldTable holder(at("2019/KSIEGA/KSIEGA.DB"), HeldTable::Lock::Write);
        ASSERT_TRUE(holder.held());
        EXPECT_EQ(importRegisters(RegisterKind::Sales).outcome, ImportOutcome::Failed);
    }
    qunsetenv("KSIEGA_BUSY_TIMEOUT_MS");
    EXPECT_TRUE(messageTexts().last().contains("jest używana przez inny program")) << messageTexts().last().toStdString();
    EXPECT_TRUE(entries().isEmpty());
    ASSERT_TRUE(importRegisters(RegisterKind::Sales).imported()) << "once it lets go the import works";
    EXPECT_EQ(entries().size(), 1);
}

class MonthlySummary : public CompanionTest {
protected:
    void editorClosed() override
    {
        shown = line({"NRKOMP", "NRKSIEG", "DATA", "NAZ1", "OPIS1", "K7", "K8", "K13", "K16"});
        if (save)
            static_cast<void>(SaveTable(dane->TKSIEGA, prompter));
    }

    QString shown;
    bool save = true;
};

TEST_F(MonthlySummary, OneEntryAMonthAtEachInvoicesRate)
{
    addRegister("W1", "Sprzedaż – VAT");
    addInvoice("SB", 1, "2019.05.06", "4.3123");
    addPosition("SB", 1, "KOL7", "Eksport", "100.01");
    addPosition("SB", 1, "KOL14", "Koszt", "2");
    addPosition("SB", 1, "KOL15", "Inne", "1");
    addInvoice("SB", 2);
    addPosition("SB", 2, "KOL8", "Wynajem", "50");
    addPosition("SB", 2, "MAG", "Poza księgą", "70");
    addInvoice("W1", 3);
    addPosition("W1", 3, "KOL7", "VAT", "100", "23", "123");
    setParameters(1, false);
    ready();
    const ImportResult result = importRegisters(RegisterKind::Sales);
    ASSERT_TRUE(result.imported()) << messageTexts().join('\n').toStdString();
    EXPECT_EQ(result.counts.added, 1);
    EXPECT_EQ(shown, "1|*|DK Sprze. 05.2019|2019.05.10|Na podstawie ewidencji sprzedaży ma "
                             "m-c 05.2019|Sprzedaż towarów|454,2731|50,00|8,6246|4,3123");

    plainSql("2019/KSIEGA/KSIEGA.DB", "UPDATE KSIEGA SET NRKSIEG = 'dk sprze. 05.2019'");
    ready("05", "2019.06.03");
    save = false;
    const ImportResult cancelled = importRegisters(RegisterKind::Sales);
    ASSERT_TRUE(cancelled.imported());
    EXPECT_EQ(cancelled.counts.updated, 0);
    EXPECT_EQ(shown.section('|', 3, 3), "2019.05.31") << "never dated past its month";
    EXPECT_EQ(entries({"NRKSIEG"}), QStringList{"1|dk sprze. 05.2019"}) << "found again in any letter case";
}

TEST_F(RegisterImport, PositionsWhoseSumNoAmountHoldsStopTheImport)
{
    addInvoice("SB", 1);
    addPosition("SB", 1, "KOL7", "Kwiaty", "100");
    addInvoice("SB", 2);
    addPosition("SB", 2, "KOL7", "Połowa", "500000000000000");
    addPosition("SB", 2, "KOL7", "Druga połowa", "500000000000000");
    ready();
    EXPECT_EQ(importRegisters(RegisterKind::Sales).outcome, ImportOutcome::Failed);
    const QString message = messageTexts().last();
    EXPECT_TRUE(message.startsWith("Nie można obliczyć sumy pozycji faktury (pole K7)")) << message.toStdString();
    EXPECT_TRUE(message.endsWith("Faktura : SB nr 2 z dnia 2019.05.06")) << message.toStdString();
    EXPECT_TRUE(entries().isEmpty());

    setParameters(1, false);
    ready();
    EXPECT_EQ(importRegisters(RegisterKind::Sales).outcome, ImportOutcome::Failed);
    EXPECT_TRUE(messageTexts().last().startsWith("Nie można obliczyć sumy sprzedaży miesiąca (kolumna 7)"))
        << messageTexts().last().toStdString();
    EXPECT_TRUE(entries().isEmpty());
}
