#pragma once
// The printed declaration: the page reports of both forms, made on first use and kept for
// the run, the print settings of the parameter record put on them before every preview and
// print, and "Wydruk deklaracji", which prints page 1 and asks for each further page.
//
//   DeclarationPrintout printout(dane.TDEK);
//   Report *page = PrepareDeclarationPreview(dane, printout, 2); // "Podgląd str. 2"
//   PrintDeclaration(dane, printout, printers);                  // "Wydruk deklaracji"

#include "pit5/declaration_form.h"
#include "platform/print/report.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class Cursor;
class PrinterList;
class Prompter;
class TDANE;

// `ZL1`, `ML` and `MG` of the parameter record.
struct DeclarationPrintSettings {
    bool picture = true; // "Wydruk  (A4)" on plain paper; false: "Nadruk  (A4)", values only
    double leftMm = 5;
    double topMm = 5;
};

// The settings of the parameter record; a missing table, record or field keeps its default.
DeclarationPrintSettings ReadDeclarationPrintSettings(Cursor &parameters);

class DeclarationPrintout {
public:
    explicit DeclarationPrintout(Cursor &declarations) : declarations_(declarations) {}
    DeclarationPrintout(const DeclarationPrintout &) = delete;
    DeclarationPrintout &operator=(const DeclarationPrintout &) = delete;
    ~DeclarationPrintout();

    // Page `number` of the form, from 1 to FormPageCount(form).
    Report &page(DeclarationForm form, int number);
    // The settings go on every page, those made later included.
    void apply(const DeclarationPrintSettings &settings);
    const DeclarationPrintSettings &settings() const { return settings_; }

private:
    void applyTo(Report &report) const;

    Cursor &declarations_;
    DeclarationPrintSettings settings_;
    std::map<QString, std::unique_ptr<Report>> reports_; // by the page's name
};

// The form of the current taxpayer's tax method.
DeclarationForm CurrentDeclarationForm(TDANE &dane);

// "Podgląd str. n": the page of the current taxpayer's form with the parameter record's
// settings on it; none when the form has no such page or the declarations are not open.
Report *PrepareDeclarationPreview(TDANE &dane, DeclarationPrintout &printout, int page);

// "Wydruk deklaracji" through `printPage`, which puts one page on paper and says whether it
// went: page 1, then each further page when the user answers Yes to its question, every
// question asked whatever the answer before. A page that did not print ends it: false.
bool PrintDeclarationPages(TDANE &dane, DeclarationPrintout &printout, Prompter &prompter,
                           const std::function<bool(Report &)> &printPage);

// "Wydruk deklaracji" on the chosen printer, each page a job of its own so that the sheet can
// be turned between them. False, with the reason reported, when nothing or not all printed;
// false and silent without the declaration table, whose absence the start reported.
bool PrintDeclaration(TDANE &dane, DeclarationPrintout &printout, PrinterList &printers);

// The declaration into one PDF file: the page given, or the whole print with its questions.
// False, with the reason reported, when the form has no such page or the file could not be
// written whole.
bool PrintDeclarationToPdf(TDANE &dane, DeclarationPrintout &printout, const QString &fileName,
                           std::optional<int> page);
