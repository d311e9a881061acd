#include "jpk/jpk_export.h"

#include "core/data_module.h"
#include "core/ksef_number.h"
#include "jpk/book_entries.h"
#include "jpk/book_info.h"
#include "jpk/jpk_subject.h"
#include "jpk/schema_validation.h"
#include "jpk/tax_identifier.h"
#include "ledger/stock_taking.h"
#include "platform/clock.h"
#include "platform/db_error.h"
#include "platform/prompter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A temporary file is its owner's alone; the file the user asked for gets what any new file
// of theirs gets, so that whoever sends it on can read it.
QFileDevice::Permissions newFilePermissions()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    QFileDevice::Permissions permissions;
    const std::pair<mode_t, QFileDevice::Permissions> bits[] = {
        {S_IRUSR, QFileDevice::ReadOwner | QFileDevice::ReadUser},
        {S_IWUSR, QFileDevice::WriteOwner | QFileDevice::WriteUser},
        {S_IRGRP, QFileDevice::ReadGroup}, {S_IWGRP, QFileDevice::WriteGroup},
        {S_IROTH, QFileDevice::ReadOther}, {S_IWOTH, QFileDevice::WriteOther}};
    for (const auto &[bit, permission] : bits)
        if (!(mask & bit))
            permissions |= permission;
    return permissions;
}

// Refused entries are listed up to this many; a whole year gone wrong says how many more.
constexpr int ListedRefusals = 30;
const QString Missing = QStringLiteral("brak");

// DATA as the book stores it, "YYYY.MM.DD"; invalid for anything else. Qt's ISO reading
// takes any punctuation between the parts, hence the points are checked first; it costs a
// fraction of reading by a format pattern, which a year of entries feels.
QDate storedDate(const QString &stored)
{
    if (stored.size() != 10 || stored[4] != QLatin1Char('.') || stored[7] != QLatin1Char('.'))
        return {};
    return QDate::fromString(stored, Qt::ISODate);
}

// Remarks on entries, for a message: the first few in words, and how many in all. The
// words are made only for those listed; a year without addresses has a remark an entry.
struct Listed {
    QStringList listed;
    qint64 count = 0;

    template <typename Words> void add(Words words)
    {
        if (listed.size() < ListedRefusals)
            listed << words();
        ++count;
    }
};

QString requiredText(const QString &text, const char *what, qint64 number, Listed &warnings)
{
    if (std::any_of(text.cbegin(), text.cend(), [](QChar c) { return !c.isSpace(); }))
        return text;
    warnings.add([&] {
        return QStringLiteral("LP %1: brak %2, zapisano „brak”").arg(number).arg(QString::fromUtf8(what));
    });
    return Missing;
}

// The entry as a row of the file; nothing, after the reasons are added to `refused`, when
// it cannot go into it.
std::optional<JpkRow> rowOf(const BookEntry &entry, int year, Listed &warnings, Listed &refused)
{
    const qint64 refusedBefore = refused.count;
    if (entry.number <= 0)
        refused.add([&] {
            return QStringLiteral("LP %1: numer zapisu nie jest większy od 0").arg(entry.number);
        });
    const QDate date = storedDate(entry.date);
    if (!date.isValid() || date.year() != year)
        refused.add([&] {
            return QStringLiteral("LP %1: błędna data zdarzenia „%2”").arg(entry.number).arg(entry.date);
        });
    const std::optional<QString> ksef = StoredKsefNumber(entry.ksef);
    if (!ksef)
        refused.add([&] {
            return QStringLiteral("LP %1: błędny numer KSeF „%2”").arg(entry.number).arg(entry.ksef);
        });
    if (refused.count > refusedBefore)
        return std::nullopt;

    JpkRow row;
    row.number = entry.number;
    row.date = date;
    row.document = requiredText(entry.document, "numeru dowodu (K_3A)", entry.number, warnings);
    row.ksef = *ksef;
    if (const auto identifier = ContractorTaxIdentifier(entry.nip)) {
        row.country = identifier->country;
        row.taxIdentifier = identifier->number;
    }
    row.name = requiredText(entry.name, "kontrahenta (K_5A)", entry.number, warnings);
    row.address = requiredText(entry.address, "adresu (K_5B)", entry.number, warnings);
    row.description = requiredText(entry.description, "opisu zdarzenia (K_6)", entry.number, warnings);
    row.k7 = entry.k7;
    row.k8 = entry.k8;
    row.k9 = entry.k9();
    row.k10 = entry.k10;
    row.k11 = entry.k11;
    row.k12 = entry.k12;
    row.k13 = entry.k13;
    row.k14 = entry.k14();
    row.k15 = entry.k16;
    if (entry.k17 != Money()) {
        row.researchCosts = entry.k17;
        row.researchDescription = requiredText(
            entry.remarks, "opisu kosztów badawczo-rozwojowych (K_16A)", entry.number, warnings);
    } else {
        row.remarks = entry.remarks;
    }
    if (entry.remarks.size() > JpkTextLimit)
        warnings.add([&] {
            return QStringLiteral("LP %1: uwagi skrócone do %2 znaków").arg(entry.number).arg(JpkTextLimit);
        });
    return row;
}

// What the walk over the book finds: the sums of the rows written, warnings and refusals.
struct BookWalk {
    BookSums sums;
    Listed warnings;
    Listed refused;
};

// Writes a row for every entry of the period until one is refused; after that it only
// lists what else is refused, since the file will not be written.
BookWalk writeRows(const QString &yearDirectory, const JpkRequest &request, int year,
                   JpkDocument &document)
{
    BookWalk walk;
    ForEachBookEntry(yearDirectory, request.fromMonth, request.toMonth, [&](const BookEntry &entry) {
        const std::optional<JpkRow> row = rowOf(entry, year, walk.warnings, walk.refused);
        if (!row || walk.refused.count > 0)
            return;
        walk.sums.add(*row);
        document.row(*row);
    });
    return walk;
}

QString refusalText(const Listed &refused)
{
    QString text = QStringLiteral("Zapisów nie można zapisać w pliku JPK_PKPIR:\r")
                   + refused.listed.join(QLatin1Char('\r'));
    if (refused.count > refused.listed.size())
        text += QStringLiteral("\r… i %1 innych.").arg(refused.count - refused.listed.size());
    return text + QStringLiteral("\rPlik nie został zapisany.");
}

bool syncFile(const QString &path)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
}

} // namespace

QString InstalledJpkSchemaDirectory()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/jpk_pkpir3");
}

std::optional<JpkSummary> ExportJpkPkpir(TDANE &dane, const JpkRequest &request,
                                         Prompter &prompter)
{
    const WorkingEnvironment &environment = dane.environment();
    const int year = environment.workingYear.toInt();
    JpkSummary summary;
    summary.file = request.file;
    summary.from = QDate(year, request.fromMonth, 1);
    const QDate lastMonth(year, request.toMonth, 1);
    summary.to = lastMonth.addDays(lastMonth.daysInMonth() - 1);
    if (!summary.from.isValid() || !summary.to.isValid() || summary.from > summary.to) {
        prompter.error(QStringLiteral("Błędny okres pliku JPK_PKPIR."));
        return std::nullopt;
    }

    QStringList missing;
    const std::optional<JpkSubject> subject = JpkSubjectOfFirm(dane, missing);
    if (!subject) {
        prompter.error(QStringLiteral("Uzupełnij Dane o Firmie (Narzędzia / Dane o Firmie): %1.")
                           .arg(missing.join(QStringLiteral(", "))));
        return std::nullopt;
    }
    QString refusal;
    const std::optional<QString> office =
        JpkOfficeCode(dane, request.officeCode, request.schemaDirectory, refusal);
    if (!office) {
        prompter.error(refusal);
        return std::nullopt;
    }
    summary.officeCode = *office;

    const QString yearDirectory = environment.yearDirectory();
    QList<StockTaking> stockTakings;
    try {
        stockTakings = ReadStockTakings(yearDirectory);
    } catch (const DbError &error) {
        prompter.error(error.message());
        return std::nullopt;
    }

    // The rows wait beside the file, on the same disk, until the figures before them are known.
    const QFileInfo target(request.file);
    const QString temporaryName = target.absolutePath() + QLatin1Char('/') + target.fileName()
                                  + QStringLiteral(".XXXXXX");
    QTemporaryFile temporary(temporaryName);
    QTemporaryFile rows(temporaryName);
    const QString writeError = QStringLiteral("Błąd zapisu pliku : ") + request.file;
    if (!temporary.open() || !rows.open()) {
        prompter.error(writeError);
        return std::nullopt;
    }
    JpkDocument document(&temporary, &rows);
    document.begin({request.purpose, QDateTime(today(), QTime::currentTime()), summary.from,
                    summary.to, summary.officeCode},
                   *subject);
    BookWalk walk;
    try {
        walk = writeRows(yearDirectory, request, year, document);
    } catch (const DbError &error) {
        prompter.error(error.message());
        return std::nullopt;
    }
    if (walk.refused.count > 0) {
        prompter.error(refusalText(walk.refused));
        return std::nullopt;
    }
    if (walk.sums.rows == 0) {
        prompter.error(QStringLiteral("Brak zapisów w okresie."));
        return std::nullopt;
    }
    summary.info = BookInfo(walk.sums, stockTakings, year);
    QList<JpkStockTaking> inPeriod;
    for (const StockTaking &stockTaking : StockTakingsInPeriod(stockTakings, summary.from, summary.to))
        inPeriod << JpkStockTaking{storedDate(stockTaking.date), stockTaking.value};
    document.end(summary.info, inPeriod, walk.sums.rows, walk.sums.revenue);
    if (document.hasError() || !temporary.flush() || temporary.error() != QFileDevice::NoError
        || rows.error() != QFileDevice::NoError) {
        prompter.error(writeError);
        return std::nullopt;
    }
    temporary.close();

    const QStringList invalid = SchemaValidationErrors(temporary.fileName(), request.schemaDirectory);
    if (!invalid.isEmpty()) {
        prompter.error(QStringLiteral("Plik JPK_PKPIR nie jest zgodny ze schematem i nie został "
                                      "zapisany:\r")
                       + invalid.mid(0, ListedRefusals).join(QLatin1Char('\r')));
        return std::nullopt;
    }
    if (!syncFile(temporary.fileName()) || !temporary.setPermissions(newFilePermissions())
        || std::rename(QFile::encodeName(temporary.fileName()).constData(),
                       QFile::encodeName(request.file).constData())
               != 0) {
        prompter.error(writeError);
        return std::nullopt;
    }
    temporary.setAutoRemove(false);
    syncFile(target.absolutePath());
    summary.rows = walk.sums.rows;
    summary.revenue = walk.sums.revenue;
    summary.stockTakings = int(inPeriod.size());
    summary.warnings = walk.warnings.listed;
    summary.warningCount = walk.warnings.count;
    return summary;
}

QString JpkSummaryText(const JpkSummary &summary)
{
    const auto amount = [](Money value) { return value.rounded(2).toString(2); };
    QStringList lines = {
        QStringLiteral("Zapisano plik JPK_PKPIR: %1").arg(summary.file),
        QStringLiteral("Okres: %1 – %2").arg(summary.from.toString(QStringLiteral("dd.MM.yyyy")),
                                            summary.to.toString(QStringLiteral("dd.MM.yyyy"))),
        QStringLiteral("Urząd skarbowy: %1").arg(summary.officeCode),
        QStringLiteral("Liczba wierszy: %1").arg(summary.rows),
        QStringLiteral("Suma przychodów: %1").arg(amount(summary.revenue)),
        QStringLiteral("P_1 %1, P_2 %2, P_3 %3, P_4 %4")
            .arg(amount(summary.info.p1), amount(summary.info.p2), amount(summary.info.p3),
                 amount(summary.info.p4)),
        QStringLiteral("Spisy z natury w okresie: %1").arg(summary.stockTakings)};
    if (!summary.warnings.isEmpty())
        lines << QStringLiteral("Uwagi:") << summary.warnings;
    if (summary.warningCount > summary.warnings.size())
        lines << QStringLiteral("… i %1 innych uwag.").arg(summary.warningCount - summary.warnings.size());
    return lines.join(QLatin1Char('\r'));
}
