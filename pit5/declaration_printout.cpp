#include "pit5/declaration_printout.h"

#include "core/data_module.h"
#include "pit5/declaration_page_report.h"
#include "pit5/tax_method.h"
#include "platform/print/printer_canvas.h"
#include "platform/print/printer_list.h"
#include "platform/print/report.h"
#include "platform/prompter.h"

#include <QPrinter>

#include <algorithm>

DeclarationPrintSettings ReadDeclarationPrintSettings(Cursor &parameters)
{
    DeclarationPrintSettings settings;
    if (!parameters.isOpen() || parameters.isEmpty())
        return settings;
    const auto margin = [&parameters](const QString &name, double &margin) {
        if (parameters.hasField(name) && !parameters.field(name).isNull())
            margin = double(std::max<qint64>(0, parameters.field(name).asInteger()));
    };
    margin(QStringLiteral("ML"), settings.leftMm);
    margin(QStringLiteral("MG"), settings.topMm);
    const QString kind = QStringLiteral("ZL1");
    if (parameters.hasField(kind) && !parameters.field(kind).isNull())
        settings.picture = parameters.field(kind).asBoolean();
    return settings;
}

DeclarationPrintout::~DeclarationPrintout() = default;

Report &DeclarationPrintout::page(DeclarationForm form, int number)
{
    const FormPage &formPage = DeclarationFormPage(form, number);
    std::unique_ptr<Report> &report = reports_[formPage.name];
    if (!report) {
        PageSetup sheet = PageSetup::a4();
        sheet.marginsMm = QMarginsF(5, 5, 5, 5);
        report = std::make_unique<Report>(sheet);
        BuildDeclarationPageReport(*report, formPage, declarations_,
                                   [this] { return settings_.picture; });
        applyTo(*report);
    }
    return *report;
}

void DeclarationPrintout::apply(const DeclarationPrintSettings &settings)
{
    settings_ = settings;
    for (auto &[name, report] : reports_)
        applyTo(*report);
}

void DeclarationPrintout::applyTo(Report &report) const
{
    report.pageSetup().marginsMm.setLeft(settings_.leftMm);
    report.pageSetup().marginsMm.setTop(settings_.topMm);
}

DeclarationForm CurrentDeclarationForm(TDANE &dane)
{
    return IsFlatRateTaxpayer(dane) ? DeclarationForm::FlatRate : DeclarationForm::Scale;
}

Report *PrepareDeclarationPreview(TDANE &dane, DeclarationPrintout &printout, int page)
{
    // Without the declaration table the start sequence has said why; there is nothing to show.
    const DeclarationForm form = CurrentDeclarationForm(dane);
    if (!dane.TDEK.isOpen() || page < 1 || page > FormPageCount(form))
        return nullptr;
    printout.apply(ReadDeclarationPrintSettings(dane.TPARA));
    return &printout.page(form, page);
}

bool PrintDeclarationPages(TDANE &dane, DeclarationPrintout &printout, Prompter &prompter,
                           const std::function<bool(Report &)> &printPage)
{
    const DeclarationForm form = CurrentDeclarationForm(dane);
    const int pages = FormPageCount(form);
    printout.apply(ReadDeclarationPrintSettings(dane.TPARA));
    for (int page = 1; page <= pages; ++page)
        printout.page(form, page);
    if (!printPage(printout.page(form, 1)))
        return false;
    // Pages 1 and 2, 3 and 4 are the two sides of a sheet.
    static const QStringList questions = {
        QStringLiteral("Wydruk 2 strony po obróceniu kartki wciśnij Yes"),
        QStringLiteral("Wydruk 3 strony wciśnij Yes"),
        QStringLiteral("Wydruk 4 strony po obróceniu kartki wciśnij Yes")};
    for (int page = 2; page <= pages; ++page)
        if (prompter.confirm(questions.at(page - 2), MessageIcon::Question)
            && !printPage(printout.page(form, page)))
            return false;
    return true;
}

bool PrintDeclaration(TDANE &dane, DeclarationPrintout &printout, PrinterList &printers)
{
    Prompter &prompter = dane.prompter();
    if (!dane.TDEK.isOpen())
        return false;
    if (printers.isEmpty()) {
        prompter.warn(NoPrinterMessage());
        return false;
    }
    PageCanvas &canvas = printers.canvas();
    const bool printed = PrintDeclarationPages(
        dane, printout, prompter, [&canvas](Report &page) { return page.print(canvas); });
    if (!printed)
        prompter.error(PrintFailureMessage(canvas, printers.currentPrinter()));
    return printed;
}

bool PrintDeclarationToPdf(TDANE &dane, DeclarationPrintout &printout, const QString &fileName,
                           std::optional<int> page)
{
    Prompter &prompter = dane.prompter();
    const DeclarationForm form = CurrentDeclarationForm(dane);
    const int pages = FormPageCount(form);
    if (page && (*page < 1 || *page > pages)) {
        prompter.error(QStringLiteral("Formularz %1 ma %2 strony: nie ma strony %3.")
                           .arg(form == DeclarationForm::Scale ? QStringLiteral("PIT-5")
                                                               : QStringLiteral("PIT-5L"))
                           .arg(pages)
                           .arg(*page));
        return false;
    }
    const auto printer = makePdfPrinter(fileName);
    PrinterCanvas canvas(*printer);
    ReportJob job(canvas);
    bool printed = false;
    if (page) {
        printout.apply(ReadDeclarationPrintSettings(dane.TPARA));
        printed = job.add(printout.page(form, *page));
    } else {
        printed = PrintDeclarationPages(dane, printout, prompter,
                                        [&job](Report &next) { return job.add(next); });
    }
    printed = job.end() && printed;
    if (!printed)
        prompter.error((canvas.failure() == PageCanvas::Failure::Output
                            ? QStringLiteral("Błąd zapisu pliku : ")
                            : QStringLiteral("Błąd otwarcia pliku : "))
                       + fileName);
    return printed;
}
