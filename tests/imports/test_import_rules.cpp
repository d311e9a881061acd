#include "imports/import_rules.h"
#include "tests/core/data_root_fixture.h"

using ImportRules = DataRootTest;

TEST_F(ImportRules, InvoicingFiltersTakeTheMonthsInvoicesAndTheRightRegisters)
{
    {
        Connection registers(at("2019/FIN/RD.DB"), Connection::Mode::Create);
        registers.exec("CREATE TABLE RD (RD TEXT, L1 BOOLEAN)");
        registers.exec("INSERT INTO RD VALUES ('SB', 1), ('ZA', 1), ('XY', 0), ('CK', 1), ('', 1)");
        Connection headers(at("2019/FIN/NAGFAKS.DB"), Connection::Mode::Create);
        headers.exec("CREATE TABLE NAGFAKS (RD TEXT, ROK TEXT, MC TEXT, NRD INTEGER, DATA TEXT)");
        headers.exec("INSERT INTO NAGFAKS VALUES ('SB','2019','05',1,'2019.05.02'), "
                     "('SB','2019','04',2,'2019.04.30'), ('SB','2019','05',3,'2019.05.31'), "
                     "('ZA','2019','05',1,'2019.05.20')");
        Connection positions(at("2019/FIN/POZFAKS.DB"), Connection::Mode::Create);
        positions.exec("CREATE TABLE POZFAKS (RD TEXT, ROK TEXT, MC TEXT, NRD INTEGER, NAZWA TEXT)");
        positions.exec("INSERT INTO POZFAKS VALUES ('SB','2019','05',1,'a'), ('SB','2019','05',1,'b'), "
                       "('SB','2019','05',3,'c'), ('ZA','2019','05',1,'d')");
    }
    TDANE &d = start();
    ASSERT_TRUE(d.TRD.isOpen());
    ASSERT_TRUE(d.TNAG.isOpen());
    EXPECT_EQ(d.TRD.recordCount(), 1);
    EXPECT_EQ(d.TRD.field("RD").asString(), "SB");
    EXPECT_EQ(d.TNAG.recordCount(), 2) << "May's invoices of the sales register";
    ASSERT_TRUE(d.TPOZ.isOpen());
    EXPECT_EQ(d.TPOZ.recordCount(), 2) << "the positions of the first invoice";
    d.TNAG.next();
    EXPECT_EQ(d.TPOZ.recordCount(), 1);
    EXPECT_EQ(d.TPOZ.field("NAZWA").asString(), "c");

    setPurchaseImport(d, true);
    d.TRD.refresh();
    EXPECT_EQ(d.TRD.recordCount(), 2) << "purchase registers begin with C, D or Z";
    EXPECT_EQ(d.TRD.field("RD").asString(), "ZA");
    EXPECT_EQ(d.TNAG.recordCount(), 1) << "the headers follow the register";
    EXPECT_EQ(d.TPOZ.field("NAZWA").asString(), "d");
}
