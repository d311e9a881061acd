#include "maintenance/year_opening.h"

#include "core/table_upgrades.h"
#include "core/working_environment.h"
#include "maintenance/carry_over_table.h"
#include "platform/cursor.h"
#include "platform/prompter.h"
#include "platform/session.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

// One walk of the source tree, through a session of its own so that the program's open
// tables stay as they are.
class TreeCopy {
public:
    TreeCopy(Prompter &prompter, const YearOpeningLog &log) : prompter_(prompter), log_(log) {}

    // A folder reached twice (a link back up the tree, the new year inside the old one) is
    // copied once.
    void copyTree(const QString &source, const QString &target)
    {
        visited_ << QFileInfo(source).canonicalFilePath() << QFileInfo(target).canonicalFilePath();
        copyDirectory(source, target);
    }

    bool complete() const { return complete_; }

private:
    void copyDirectory(const QString &source, const QString &target)
    {
        const QFileInfoList entries = QDir(source).entryInfoList(
            QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
            QDir::Name);
        for (const QFileInfo &entry : entries) {
            if (entry.isDir())
                copySubdirectory(entry, target);
            else if (entry.fileName().endsWith(QLatin1String("DB"), Qt::CaseInsensitive))
                copyTable(entry, target);
        }
    }

    void copySubdirectory(const QFileInfo &entry, const QString &target)
    {
        if (visited_.contains(entry.canonicalFilePath()))
            return;
        visited_.insert(entry.canonicalFilePath());
        const QString directory = target + QLatin1Char('/') + entry.fileName();
        if (!QDir().mkpath(directory))
            complete_ = false;
        log_(QStringLiteral("Tworzenie katalogu :") + directory);
        copyDirectory(entry.filePath(), directory);
    }

    void copyTable(const QFileInfo &entry, const QString &target)
    {
        const QString targetFile = target + QLatin1Char('/') + entry.fileName();
        Cursor table(session_, QStringLiteral("TKOPIA"));
        try {
            table.setTableName(entry.filePath());
            table.open();
        } catch (const DbError &) {
            log_(QStringLiteral("Bląd bazy :") + targetFile);
            complete_ = false;
            return;
        }
        const CarryOver row = carryOverFor(entry.filePath());
        log_(QStringLiteral("Tworzenie bazy :") + targetFile);
        const bool existed = QFileInfo::exists(targetFile);
        if (!CopyTableStructure(table, targetFile, row.copyRows, row.emptiedFields, false,
                                prompter_)
            && !existed && !QFileInfo::exists(targetFile))
            complete_ = false;
        table.close();
    }

    Prompter &prompter_;
    const YearOpeningLog &log_;
    Session session_{QStringLiteral("SESJA2")};
    QSet<QString> visited_;
    bool complete_ = true;
};

QString withSeparator(QString directory)
{
    directory.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!directory.isEmpty() && !directory.endsWith(QLatin1Char('/')))
        directory += QLatin1Char('/');
    return directory;
}

} // namespace

YearOpening ProposedYearOpening(const WorkingEnvironment &environment)
{
    return {QString::number(environment.workingYear.toInt() + 1), environment.workingYear,
            environment.dataRoot};
}

YearOpeningResult OpenNewYear(const YearOpening &opening, WorkingEnvironment &environment,
                              Prompter &prompter, const YearOpeningLog &log)
{
    const QString directory = withSeparator(opening.directory);
    const QString source = directory + opening.sourceYear;
    const QString target = directory + opening.year;
    log(QStringLiteral("Generowanie nowego roku."));
    log(QStringLiteral("Baza danych w katalogu : ") + source);
    bool complete = true;
    if (!QFileInfo(source).isDir()) {
        log(QStringLiteral("Brak katalogu : ") + source);
        complete = false;
    }
    if (!QDir().mkdir(target)
        && !prompter.confirm(QStringLiteral("Błąd otwarcia roku. Kontynuacja może doprowadzić do "
                                            "utarty danych.\rCzy kontynuować ?")))
        return YearOpeningResult::Refused;
    log(QStringLiteral("Tworzenie katalogu :") + target);

    TreeCopy copy(prompter, log);
    if (complete)
        copy.copyTree(source, target);
    if (!environment.years.contains(opening.year))
        environment.years << opening.year;
    if (!complete || !copy.complete()) {
        prompter.error(QStringLiteral("Otwarcie roku %1 nie zostało ukończone: nie wszystkie "
                                      "bazy zostały utworzone.\rPo usunięciu przyczyny błędu "
                                      "ponowne otwarcie roku utworzy brakujące bazy.")
                           .arg(opening.year));
        return YearOpeningResult::Incomplete;
    }
    log(QStringLiteral("KONIEC."));
    return YearOpeningResult::Completed;
}
