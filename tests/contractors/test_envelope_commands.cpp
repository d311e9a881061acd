#include "contractor_fixture.h"

#include "contractors/contractor_catalogue.h"
#include "contractors/contractor_envelope.h"
#include "contractors/envelope_margin_entry.h"
#include "contractors/envelope_margins.h"
#include "platform/print/printer_list.h"
#include "platform/print/recording_canvas.h"

#include <QFile>

namespace {

class OnePrinter final : public PrinterList {
public:
    explicit OnePrinter(bool installed = true) : installed_(installed) {}
    QStringList printerNames() const override
    {
        return installed_ ? QStringList{QStringLiteral("Koperty")} : QStringList();
    }
    QString currentPrinter() const override { return QStringLiteral("Koperty"); }
    void selectPrinter(const QString &) override {}
    PageCanvas &canvas() override { return canvas_; }

    RecordingCanvas canvas_;

private:
    bool installed_;
};

} // namespace

using EnvelopeCommands = ContractorTest;

TEST_F(EnvelopeCommands, MarginsAsTypedRoundTripThroughTheFile)
{
    const QString path = EnvelopeMarginsFile();
    EXPECT_EQ(path, at("Margines.dan")) << "beside the program, in its working directory";
    EXPECT_TRUE(SaveEnvelopeMarginEntries(path, " 12,5", "7.25", prompter));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.size(), 16);
    const auto read = readEnvelopeMargins(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(MarginText(read->topMm), "12,5");
    EXPECT_EQ(MarginText(read->leftMm), "7,25");
    EXPECT_EQ(MarginText(10), "10");
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(EnvelopeCommands, AMarginThatIsNoNumberWritesNothing)
{
    const QString path = EnvelopeMarginsFile();
    ASSERT_TRUE(SaveEnvelopeMarginEntries(path, "10", "20", prompter));
    for (const auto &[top, left] : {std::pair<QString, QString>{"", "5"}, {"5", "pięć"}, {"-1", "5"}}) {
        prompter.clear();
        EXPECT_FALSE(SaveEnvelopeMarginEntries(path, top, left, prompter));
        ASSERT_EQ(prompter.messages().size(), 1);
        EXPECT_EQ(prompter.messages()[0].text,
                  "Błędna wartość marginesu : " + (top == "5" ? left : top));
    }
    EXPECT_EQ(readEnvelopeMargins(path), (EnvelopeMargins{10, 20}));
    EXPECT_FALSE(ParseMarginText("1,2,3"));
    EXPECT_EQ(ParseMarginText("0"), 0.0);
}

TEST_F(EnvelopeCommands, TheCurrentContractorsAddressGoesToThePrinter)
{
    TDANE &d = startWith({{1, "", "A", "Gdańsk"}});
    SetContractorField(d.TKontrah, "UL", "Długa 1");
    SetContractorField(d.TKontrah, "KOD", "80-001");
    EXPECT_TRUE(SaveContractor(d, prompter));
    ASSERT_TRUE(SaveEnvelopeMarginEntries(EnvelopeMarginsFile(), "20", "30", prompter));

    OnePrinter printer;
    EXPECT_TRUE(PrintContractorEnvelope(d.TKontrah, printer, EnvelopeMarginsFile(), prompter));
    EXPECT_EQ(printer.canvas_.textLines(), (QStringList{"A pełna", "", "Długa 1", "80-001", "Gdańsk"}));
    EXPECT_EQ(printer.canvas_.setupInForce().marginsMm.top(), 20);
    EXPECT_EQ(printer.canvas_.setupInForce().marginsMm.left(), 30);
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(EnvelopeCommands, NoPrinterOrNoContractorPrintsNothing)
{
    TDANE &d = startWith({{1, "", "A", ""}});
    OnePrinter none(false);
    EXPECT_FALSE(PrintContractorEnvelope(d.TKontrah, none, EnvelopeMarginsFile(), prompter));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Uwaga nie posiadasz zainstalowanej drukarki !!");

    prompter.clear();
    OnePrinter broken;
    broken.canvas_.setFailing(true);
    EXPECT_FALSE(PrintContractorEnvelope(d.TKontrah, broken, EnvelopeMarginsFile(), prompter));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Błąd otwarcia drukarki : Koperty");

    prompter.clear();
    OnePrinter noEnvelopes;
    noEnvelopes.canvas_.setRefusingSetup(true);
    EXPECT_FALSE(PrintContractorEnvelope(d.TKontrah, noEnvelopes, EnvelopeMarginsFile(), prompter));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Drukarka nie przyjmuje ustawień strony : Koperty");
    EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Error);
    EXPECT_EQ(noEnvelopes.canvas_.jobsBegun(), 0);

    prompter.clear();
    prompter.enqueue(Answer::Ok);
    EXPECT_TRUE(DeleteContractor(d, prompter));
    prompter.clear();
    OnePrinter printer;
    EXPECT_FALSE(PrintContractorEnvelope(d.TKontrah, printer, EnvelopeMarginsFile(), prompter));
    EXPECT_EQ(printer.canvas_.jobsBegun(), 0);
    EXPECT_TRUE(prompter.messages().isEmpty());
}
