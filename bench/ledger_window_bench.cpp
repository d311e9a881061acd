#include "ledger_window_bench.h"

#include "bench_report.h"
#include "bench_year.h"
#include "core/data_module.h"
#include "ledger/month_view.h"
#include "ledger/record_operations.h"
#include "ledger/windows/ledger_grid_model.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "platform/sqlite_db.h"

#include <QFile>

namespace {

constexpr int ScreenRows = 40;

// What a grid asks for to paint one screen: every cell's text and the marked L.p. cells.
int paintScreen(const LedgerGridModel &model)
{
    int painted = 0;
    for (int row = 0; row < std::min(ScreenRows, model.rowCount()); ++row) {
        model.data(model.index(row, 0), Qt::BackgroundRole);
        for (int column = 0; column < model.columnCount(); ++column)
            painted += int(model.data(model.index(row, column)).toString().size());
    }
    return painted;
}

// The same screen by plain SQL: the month's count and its first rows in book order.
void plainScreen(Connection &plain, const QString &month)
{
    Statement count(plain.handle(), QStringLiteral("SELECT count(*) FROM KSIEGA WHERE MC = ?"));
    count.bindAll({month});
    count.step();
    Statement rows(plain.handle(),
                   QStringLiteral("SELECT * FROM KSIEGA WHERE MC = ? ORDER BY MC COLLATE POLISH, LP, "
                                  "rowid LIMIT %1")
                       .arg(ScreenRows));
    rows.bindAll({month});
    while (rows.step()) {
    }
}

} // namespace

void benchLedgerWindow(const QString &folder, BenchReport &report)
{
    const QString root = folder + QStringLiteral("/dane");
    const QString ledgerFile = root + QStringLiteral("/2019/KSIEGA/KSIEGA.DB");
    if (!QFile::exists(ledgerFile))
        qFatal("brak roku z 100 000 zapisów: najpierw pomiar startu");
    const BenchFolder here(root, "2019.05.10");
    StartedBenchProgram program;
    TDANE &dane = *program.dane;
    SelectWorkingMonth(dane, QStringLiteral("05"));

    Connection plain(ledgerFile, Connection::Mode::ReadOnly);
    std::unique_ptr<LedgerGridModel> model;
    report.compare(
        QStringLiteral("okno księgi: model siatki i pierwszy ekran miesiąca"),
        [&] {
            model = std::make_unique<LedgerGridModel>(
                dane.TKSIEGA, BookFormOfYear(dane.environment().workingYear));
            paintScreen(*model);
        },
        [&] { plainScreen(plain, QStringLiteral("05")); });
    report.compare(
        QStringLiteral("okno księgi: zmiana miesiąca z ekranem (cel < 50 ms)"),
        [&] {
            SelectWorkingMonth(dane, QStringLiteral("11"));
            paintScreen(*model);
        },
        [&] { plainScreen(plain, QStringLiteral("11")); });
    report.time(QStringLiteral("okno księgi: \"Wszystkie\" z ekranem"), [&] {
        SelectWorkingMonth(dane, QStringLiteral("13"));
        paintScreen(*model);
    });
    if (model->rowCount() != dane.TKSIEGA.recordCount())
        qFatal("siatka nie pokazuje całego roku");

    // Plain SQL renumbers a copy, so that the program still finds every number to change.
    const QString copy = folder + QStringLiteral("/kopia.DB");
    QFile::remove(copy);
    QFile::copy(ledgerFile, copy);
    std::optional<int> changed;
    SilentProgress progress;
    report.compare(
        QStringLiteral("przenumerowanie roku według dat (cel < 2 s)"),
        [&] { changed = Renumber(dane, progress); },
        [&] {
            Connection renumbered(copy, Connection::Mode::ReadWrite);
            renumbered.begin();
            renumbered.exec(QStringLiteral(
                "UPDATE KSIEGA SET LP = n.number FROM (SELECT rowid AS id, ROW_NUMBER() OVER "
                "(ORDER BY DATA COLLATE POLISH, rowid) AS number FROM KSIEGA) AS n "
                "WHERE KSIEGA.rowid = n.id AND KSIEGA.LP IS NOT n.number"));
            renumbered.commit();
        });
    if (!changed || *changed == 0)
        qFatal("przenumerowanie nic nie zmieniło");
    model.reset();
}
