#include "ledger/windows/tksiegaf3.h"

#include "core/data_module.h"
#include "ledger/summary_statement.h"
#include "ledger/windows/year_chart_widget.h"
#include "platform/widgets/guarded_handler.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

// The titles were laid out for narrow cells that wrap them: broken at the spaces into lines
// of about a column's width, they fit the grid's header the same way.
static QString wrappedTitle(const QString &title)
{
    constexpr int LineLength = 16;
    QStringList lines;
    for (const QString &word : title.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && lines.last().size() + 1 + word.size() <= LineLength)
            lines.last() += QLatin1Char(' ') + word;
        else
            lines << word;
    }
    return lines.join(QLatin1Char('\n'));
}

static QList<CursorTableModel::Column> gridColumns()
{
    QList<CursorTableModel::Column> columns;
    // The group heading stands on a line of its own above the column titles it spans.
    for (const SummaryColumn &column : SummaryColumns())
        columns.append({column.field, column.group + QLatin1Char('\n') + wrappedTitle(column.title), {}});
    return columns;
}

static QLabel *valueLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setMinimumWidth(120);
    label->setFrameShape(QFrame::StyledPanel);
    return label;
}

TKSIEGAF3::TKSIEGAF3(TDANE &dane, TDRUK &printEngine, QWidget *parent)
    : QDialog(parent), dane_(dane), printEngine_(printEngine), model_(dane.TSUMA, gridColumns()),
      DBSUMA_(new QTableView(this)), tabs_(new QTabWidget(this)), chart_(new YearChartWidget(this)),
      monthly_(new QRadioButton(QStringLiteral("zestawienie zbiorcze"), this)),
      cumulative_(new QRadioButton(QStringLiteral("zestawienie zbiorcze narastająco"), this)),
      ratios_{valueLabel(this), valueLabel(this), valueLabel(this)},
      postingDate_(valueLabel(this)), poster_(valueLabel(this))
{
    setObjectName(QStringLiteral("TKSIEGAF3"));
    setWindowTitle(QStringLiteral("Zestawienie zbiorcze."));

    auto *toolbar = new QToolBar(this);
    print_ = toolbar->addAction(QStringLiteral("Drukuj"), this,
                                Guarded(dane.prompter(), this, &TKSIEGAF3::DrukujClick));
    print_->setToolTip(QStringLiteral("Wydruk zestawienia"));

    DBSUMA_->setObjectName(QStringLiteral("DBSUMA"));
    followCursor(DBSUMA_, &model_, dane.prompter());
    DBSUMA_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBSUMA_->verticalHeader()->hide();
    DBSUMA_->setWordWrap(true);
    DBSUMA_->horizontalHeader()->setDefaultSectionSize(124);
    DBSUMA_->setColumnWidth(0, 170);
    const QColor postedColour = QApplication::palette().color(QPalette::ToolTipBase);
    model_.setCellStyle([this, postedColour](int row, int, int role) -> QVariant {
        if (role == Qt::BackgroundRole
            && model_.textAt(row, QStringLiteral("OZN")) == QLatin1String("*"))
            return postedColour;
        return QVariant();
    });
    connect(&dane.TSUMA, &Cursor::currentChanged, this, Guarded(dane.prompter(), this, &TKSIEGAF3::showCurrentRow));

    auto *kinds = new QGroupBox(QStringLiteral("Rodzaj zestawienia :"), this);
    auto *group = new QButtonGroup(this);
    group->addButton(monthly_, int(SummaryKind::Monthly));
    group->addButton(cumulative_, int(SummaryKind::Cumulative));
    auto *kindLayout = new QVBoxLayout(kinds);
    kindLayout->addWidget(monthly_);
    kindLayout->addWidget(cumulative_);
    connect(group, &QButtonGroup::idClicked, this, Guarded(dane.prompter(), this, &TKSIEGAF3::RadioGroup1Click));

    auto *details = new QFormLayout;
    details->addRow(QStringLiteral("Wskaźnik zyskowności [%] :"), ratios_[0]);
    details->addRow(QStringLiteral("Marża do zakupu [%] :"), ratios_[1]);
    details->addRow(QStringLiteral("Marża do obrotu [%] :"), ratios_[2]);
    details->addRow(QStringLiteral("Data księgowania :"), postingDate_);
    details->addRow(QStringLiteral("Osoba księgująca :"), poster_);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(kinds);
    bottom->addLayout(details);
    bottom->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(toolbar);
    tabs_->addTab(DBSUMA_, QStringLiteral("Tabela"));
    tabs_->addTab(chart_, QStringLiteral("Wykres"));
    layout->addWidget(tabs_, 1);
    layout->addLayout(bottom);
    connect(this, &QDialog::finished, this, Guarded(dane.prompter(), this, &TKSIEGAF3::FormClose));
    resize(1440, 540);
}

void TKSIEGAF3::execute()
{
    FormShow();
    exec();
}

void TKSIEGAF3::FormShow()
{
    monthly_->setChecked(true);
    chart_->setYear(YearChartMonths(dane_), YearChartTitle(dane_.environment().workingYear));
    ShowSummaryKind(dane_, SummaryKind::Monthly);
    showCurrentRow();
}

void TKSIEGAF3::RadioGroup1Click()
{
    ShowSummaryKind(dane_, cumulative_->isChecked() ? SummaryKind::Cumulative : SummaryKind::Monthly);
    showCurrentRow();
}

void TKSIEGAF3::DrukujClick()
{
    QList<int> widths;
    for (int column = 0; column < model_.columnCount(); ++column)
        widths << DBSUMA_->columnWidth(column);
    PrintSummaryStatement(printEngine_, SummaryPrintGrid(dane_, widths));
}

void TKSIEGAF3::FormClose()
{
    CloseSummary(dane_);
}

void TKSIEGAF3::showCurrentRow()
{
    Cursor &sums = dane_.TSUMA;
    const bool onRow = sums.isOpen() && !sums.isEmpty() && !sums.controlsDisabled();
    for (int number = 1; number <= 3; ++number)
        ratios_[number - 1]->setText(
            onRow ? SummaryRatioText(sums.field(QStringLiteral("W%1").arg(number))) : QString());
    postingDate_->setText(onRow ? sums.field(QStringLiteral("DATA")).asString() : QString());
    poster_->setText(onRow ? sums.field(QStringLiteral("NAZWISKO")).asString() : QString());
}
