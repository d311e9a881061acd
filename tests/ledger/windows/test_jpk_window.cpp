#include "ledger_window_fixture.h"

#include <QFileInfo>

using JpkWindow = LedgerWindowTest;

TEST_F(JpkWindow, TheFileChosenIsWrittenAndItsSummaryShown)
{
    TKSIEGAF &w = open();
    QStringList offered;
    QString answer;
    w.setSaveFileChooser([&](const QString &suggested) {
        offered << suggested;
        return answer;
    });
    ASSERT_NE(w.action("Wydruki/JPK_PKPIR"), nullptr);
    w.action("Wydruki/JPK_PKPIR")->trigger();
    ASSERT_EQ(offered.size(), 1);
    EXPECT_TRUE(offered[0].endsWith("/JPK_PKPIR_2019.xml")) << offered[0].toStdString();
    EXPECT_TRUE(prompter.messages().isEmpty()) << "a cancelled dialog writes nothing";

    answer = folder.at("jpk.xml");
    w.action("Wydruki/JPK_PKPIR")->trigger();
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Information);
    EXPECT_TRUE(prompter.messages()[0].text.startsWith("Zapisano plik JPK_PKPIR: " + answer + "\r"))
        << prompter.messages()[0].text.toStdString();
    EXPECT_TRUE(prompter.messages()[0].text.contains("Liczba wierszy: 24"));
    EXPECT_TRUE(QFileInfo::exists(answer));
}
