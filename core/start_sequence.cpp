// The data-module start sequence and the choice of the working year.

#include "core/data_module.h"

#include "core/open_error.h"
#include "core/table_access.h"
#include "core/table_layouts.h"
#include "core/table_upgrades.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/table_files.h"

#include <QDir>

namespace {

QString normalizedRoot(QString root)
{
    root.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return withTrailingSlash(root.trimmed());
}

// "MM.DD" from the firm's start of the accounting year, or nothing when there is no shift.
QString shiftDate(Cursor &firm)
{
    if (!firm.isOpen() || !firm.hasField(QStringLiteral("OBRDATA")))
        return QString();
    const QString text = firm.field(QStringLiteral("OBRDATA")).asString();
    bool monthOk = false;
    bool dayOk = false;
    const int month = text.mid(0, 2).trimmed().toInt(&monthOk);
    const int day = text.mid(3, 2).trimmed().toInt(&dayOk);
    if (!monthOk || !dayOk)
        return QString();
    const QString shift = QStringLiteral("%1.%2").arg(month, 2, 10, QLatin1Char('0'))
                              .arg(day, 2, 10, QLatin1Char('0'));
    return shift == QLatin1String("01.01") ? QString() : shift;
}

QString sumsRepairFailed()
{
    return QStringLiteral("Błędna baza sum. Naprawa bazy nie powiodła się\r"
                          "Proszę zamknąć wszystkie programy i powtórnie otworzyć KSIĘGĘ.\r"
                          "Jeżeli próba się nie powiedzie to proszę o kontakt do Firmy ZV");
}

} // namespace

void TDANE::DataModuleCreate()
{
    WorkingEnvironment &env = environment_;
    env.importInProgress = false;
    env.openedTables.clear();
    env.unopenedTables.clear();
    if (startArguments_.dataRoot)
        env.dataRoot = normalizedRoot(*startArguments_.dataRoot);

    OpenTableChecked(TFIRMA, env.dataRoot + QStringLiteral("FIRMA"),
                     QStringLiteral("Brak danych o firmie"), env, prompter_);
    if (env.abort)
        return;
    if (TFIRMA.isOpen() && env.dataRoot.isEmpty())
        env.dataRoot = normalizedRoot(TFIRMA.field(QStringLiteral("DR")).asString());

    OpenTableChecked(TPARA, QStringLiteral("KSIEGA"), env, prompter_);
    if (env.abort)
        return;
    if (!TFIRMA.isOpen() && !TPARA.isOpen()) {
        prompter_.error(QStringLiteral("Błąd sterownika BDE.\r"
                                       "Nie można otworzyć tabel programu: sprawdź, czy biblioteka "
                                       "SQLite 3 jest zainstalowana i czy program uruchomiono w "
                                       "katalogu z tabelą parametrów KSIEGA.DB."));
        env.abort = true;
        return;
    }
    if (!TPARA.isOpen()) {
        prompter_.error(QStringLiteral("Brak tabeli parametrów programu KSIEGA.DB w katalogu ")
                        + QDir::currentPath() + QStringLiteral(".\rProgram zostanie zamknięty."));
        env.abort = true;
        return;
    }
    UpgradeParameterTable(TPARA);
    SelectWorkingYear();
    if (!TPARA.hasField(QStringLiteral("US")))
        TPARAPola();
    RepairFirmIndex();
    openYearTables();
}

void TDANE::openYearTables()
{
    WorkingEnvironment &env = environment_;
    const QString year = env.yearDirectory();
    // The start stops at the first table another program holds (the checked open sets
    // `abort`), before anything is repaired on a half-open year.
    const auto openChecked = [&](Cursor &cursor, const QString &table, const QString &label) {
        return !env.abort && OpenTableChecked(cursor, year + table, label, env, prompter_);
    };
    openChecked(TKontrah, QStringLiteral("FIN/KONTRAHI"), QStringLiteral("Baza kontrahentów"));
    openChecked(TKONTRAHo, QStringLiteral("FIN/KONTRAHo"), QString());
    openChecked(TKSIEGA, QStringLiteral("KSIEGA/KSIEGA"), QStringLiteral("Księga"));
    openChecked(TSUMA, QStringLiteral("KSIEGA/SUMA"), QStringLiteral("Baza Sum"));
    if (env.abort)
        return;
    RepairSumsTable();
    BuildMonthStatus();

    if (openChecked(TUSER, QStringLiteral("KSIEGA/USER"), QStringLiteral("Baza Użytkowników"))) {
        TUSER.first();
        env.userName = TUSER.field(QStringLiteral("NAZWISKO")).asString();
    } else {
        env.userName = QStringLiteral("Brak użytkownika");
    }
    openChecked(TOPISZG, QStringLiteral("KSIEGA/OPISZG"),
                QStringLiteral("Opis zdarzenia gospodarczego"));
    if (env.abort)
        return;

    TOSOBA.close();
    if (TFIRMA.isOpen()) {
        try {
            TOSOBA.setTableName(TFIRMA.tablePath());
            TOSOBA.open();
        } catch (const DbError &) {
            // Without taxpayers the declarations work for the firm alone.
        }
    }

    const QString declarations = year + QStringLiteral("DRUKI/DPIT5.DB");
    const QString constants = year + QStringLiteral("PLACE/STALE.DB");
    for (const auto &[cursor, path, label] :
         {std::tuple{&TDEK, declarations, QStringLiteral("Baza Deklaracji ")},
          std::tuple{&TSTALE, constants, QStringLiteral("Baza Stałych Podatkowych ")}}) {
        cursor->close();
        try {
            cursor->setTableName(path);
            cursor->open();
        } catch (const DbError &failure) {
            if (failure.isBusy()) {
                prompter_.error(failure.message());
                env.abort = true;
                return;
            }
            ShowOpenError(prompter_, label + path);
            env.unopenedTables << path;
        }
    }

    openCompanionTable(TRD, QStringLiteral("FIN/RD.DB"));
    openCompanionTable(TNAG, QStringLiteral("FIN/NAGFAKS.DB"));
    openCompanionTable(TPOZ, QStringLiteral("FIN/POZFAKS.DB"));
    openCompanionTable(TSAM, QStringLiteral("AUTO/SUMA.DB"));
    openCompanionTable(TAUTO, QStringLiteral("AUTO/AUTO.DB"));
    openCompanionTable(TSRO, QStringLiteral("ST/SUMA.DB"));
}

// The companion programs' tables are optional: a missing one leaves its import unavailable.
void TDANE::openCompanionTable(Cursor &cursor, const QString &relativePath)
{
    cursor.close();
    try {
        cursor.setTableName(environment_.yearDirectory() + relativePath);
        cursor.open();
    } catch (const DbError &) {
    }
}

void TDANE::SelectWorkingYear()
{
    WorkingEnvironment &env = environment_;
    if (env.dataRoot.isEmpty())
        env.dataRoot = withTrailingSlash(QDir::currentPath());

    env.years.clear();
    const QDir root(env.dataRoot);
    for (const QString &name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        if (name.startsWith(QLatin1Char('1')) || name.startsWith(QLatin1Char('2')))
            env.years << name;
    std::sort(env.years.begin(), env.years.end());

    const QString todayMonthDay = env.today.mid(5, 5);
    const QString shift = shiftDate(TFIRMA);
    if (!shift.isEmpty() && todayMonthDay < shift)
        env.workingYear = QString::number(env.workingYear.toInt() - 1);

    if (startArguments_.year)
        env.workingYear = *startArguments_.year;

    if (!env.years.isEmpty() && !env.years.contains(env.workingYear)) {
        prompter_.warn(QStringLiteral("Brak otwartego roku : ") + env.workingYear
                       + QStringLiteral("\r") + QStringLiteral("Rok zostanie zmieniony na : ")
                       + env.years.last());
        env.workingYear = env.years.last();
    }

    if (todayMonthDay > QLatin1String("12.15") && !env.years.isEmpty()) {
        const QString nextYear = QString::number(env.today.left(4).toInt() + 1);
        if (!env.years.contains(nextYear))
            prompter_.warn(QStringLiteral("Proszę otworzyć nowy rok ") + nextYear
                           + QStringLiteral("\r")
                           + QStringLiteral("w celu poprawnego działania programu w nowym roku."));
    }
}

void TDANE::TPARAPola()
{
    AddParameterFields(TPARA);
}

void TDANE::RepairFirmIndex()
{
    if (!TFIRMA.isOpen() || !TFIRMA.indexDefs().isEmpty())
        return;
    const QString file = TFIRMA.tablePath();
    TFIRMA.close();
    try {
        TFIRMA.open(Cursor::Access::Exclusive);
        TFIRMA.addIndex({QString(), {QStringLiteral("NR")}, true, true, false, false});
    } catch (const DbError &) {
        prompter_.error(QStringLiteral("Błąd aktualizacji indeksu.\r"
                                       "Proszę zamknąć wszystkie programy i uruchomić\r"
                                       "program KSIĘGA ponownie."));
    }
    TFIRMA.close();
    try {
        TFIRMA.setTableName(file);
        TFIRMA.open();
    } catch (const DbError &) {
    }
}

void TDANE::RepairSumsTable()
{
    if (!TSUMA.isOpen() || TSUMA.recordCount() == 24)
        return;
    bool repaired = true;
    TSUMA.close();
    try {
        TSUMA.open(Cursor::Access::Exclusive);
        TSUMA.emptyTable();
    } catch (const DbError &) {
        repaired = false;
    }
    TSUMA.close();
    try {
        TSUMA.open();
    } catch (const DbError &) {
        repaired = false;
    }
    if (!repaired) {
        prompter_.error(sumsRepairFailed());
        return;
    }
    try {
        writeSumsRows();
    } catch (const DbError &) {
        TSUMA.rollback();
        prompter_.error(sumsRepairFailed());
    }
}

// The 24 rows in their order: a month's own row, then its running row from January.
void TDANE::writeSumsRows()
{
    TSUMA.beginTransaction();
    for (int month = 1; month <= 12; ++month) {
        const QString code = QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
        const QString name = monthNames().at(month - 1);
        TSUMA.append();
        TSUMA.field(QStringLiteral("KOD")).setAsString(code);
        TSUMA.field(QStringLiteral("NAZWA")).setAsString(name);
        TSUMA.post();
        TSUMA.append();
        TSUMA.field(QStringLiteral("KOD")).setAsString(QLatin1Char('N') + code);
        TSUMA.field(QStringLiteral("NAZWA")).setAsString(QStringLiteral("Narastająco ") + name);
        TSUMA.post();
    }
    TSUMA.commit();
}

void TDANE::BuildMonthStatus()
{
    WorkingEnvironment &env = environment_;
    if (!TSUMA.isOpen())
        return;
    env.lastPostedMonth = 0;
    for (int month = 1; month <= 12; ++month) {
        const bool posted =
            TSUMA.findKey({QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'))})
            && TSUMA.field(QStringLiteral("OZN")).asString() == QLatin1String("*");
        env.monthPosted[month] = posted;
        if (posted)
            env.lastPostedMonth = month;
    }
    env.monthPosted[13] = false;
}
