#pragma once
// "JPK_PKPIR": the working year's book, or the months chosen, as the structured file
// JPK_PKPIR(3). Nothing is written unless the whole file is right: entries that cannot go
// into it are listed and refused, the document is checked against the schema, and the file
// is written under a temporary name and renamed, so a half file never exists.
//
//   JpkRequest request;                 // the whole year, purpose 1
//   request.file = "/tmp/jpk.xml";
//   request.schemaDirectory = InstalledJpkSchemaDirectory();
//   if (const auto summary = ExportJpkPkpir(dane, request, dane.prompter()))
//       show(JpkSummaryText(*summary));

#include "jpk/jpk_document.h"

#include <QStringList>

#include <optional>

class Prompter;
class TDANE;

struct JpkRequest {
    int fromMonth = 1;
    int toMonth = 12;
    int purpose = 1;      // CelZlozenia: 0, 1 or 2 (a correction)
    QString officeCode;   // empty: from the firm's tax office
    QString file;
    QString schemaDirectory;
};

struct JpkSummary {
    QString file;
    QDate from;
    QDate to;
    QString officeCode;
    qint64 rows = 0;
    Money revenue;
    JpkInfo info;
    int stockTakings = 0; // PKPIRSpis elements
    QStringList warnings;  // the first few
    qint64 warningCount = 0; // all of them
};

// The schema folder installed beside the program.
QString InstalledJpkSchemaDirectory();

// Writes the file; nothing, after the message saying why, when it was refused or failed.
std::optional<JpkSummary> ExportJpkPkpir(TDANE &dane, const JpkRequest &request,
                                         Prompter &prompter);

// What was written, for the user: the file, the period, the rows and sums, the warnings.
QString JpkSummaryText(const JpkSummary &summary);
