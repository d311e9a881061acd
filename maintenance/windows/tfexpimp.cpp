#include "maintenance/windows/tfexpimp.h"

#include "core/data_module.h"
#include "maintenance/text_export.h"
#include "maintenance/text_import.h"
#include "platform/progress.h"
#include "platform/widgets/guarded_handler.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { TableField = 0, FileColumn = 1, FieldName = 2, KeyMark = 3 };

// The window's own gauge; an import of more lines than its fixed length leaves it full.
class BarProgress final : public Progress {
public:
    explicit BarProgress(QProgressBar &bar) : bar_(bar) {}
    void start(const QString &, int maximum) override
    {
        bar_.setRange(0, std::max(maximum, 1));
        bar_.setValue(0);
    }
    void step() override { bar_.setValue(std::min(bar_.value() + 1, bar_.maximum())); }
    void stop() override {}

private:
    QProgressBar &bar_;
};

std::optional<QString> fileDialog(QWidget *parent, const FileRequest &request)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const FileFilter &filter : request.filters)
        filters << filter.name + (filter.name.endsWith(QLatin1Char(' ')) ? QString() : QStringLiteral(" "))
                       + QLatin1Char('(') + filter.pattern + QLatin1Char(')');
    dialog.setNameFilters(filters);
    if (!request.directory.isEmpty())
        dialog.setDirectory(request.directory);
    dialog.selectFile(request.defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

QTableWidgetItem *cell(const QString &text, bool editable)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(editable ? item->flags() | Qt::ItemIsEditable : item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

TFexpimp::TFexpimp(TDANE &dane, QWidget *parent) : QDialog(parent), dane_(dane)
{
    setObjectName(QStringLiteral("TFexpimp"));
    setWindowTitle(QStringLiteral("Import / Export danych"));
    chooseFile_ = [this](const FileRequest &request) { return fileDialog(this, request); };

    zamien_ = new QTableWidget(0, 4, this);
    zamien_->setObjectName(QStringLiteral("zamien"));
    zamien_->setHorizontalHeaderLabels(
        {QStringLiteral("Pole bazy"), QStringLiteral("Pole pliku"), QString(), QString()});
    zamien_->setColumnHidden(FieldName, true);
    zamien_->verticalHeader()->hide();
    zamien_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    zamien_->setSelectionMode(QAbstractItemView::SingleSelection);
    zamien_->setColumnWidth(TableField, 170);
    zamien_->horizontalHeader()->setSectionResizeMode(FileColumn, QHeaderView::Stretch);
    zamien_->setColumnWidth(KeyMark, 30);

    auto *buttons = new QVBoxLayout;
    auto add = [&](const QString &text, void (TFexpimp::*handler)()) {
        auto *button = new QPushButton(text, this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, Guarded(dane_.prompter(), this, handler));
        buttons->addWidget(button);
        buttons_ << button;
        return button;
    };
    fileButton_ = add(QStringLiteral("Plik importowany"), &TFexpimp::PlikImportowanyClick);
    importButton_ = add(QStringLiteral("Importuj dane"), &TFexpimp::ImportujDaneClick);
    exportButton_ = add(QStringLiteral("Export danych"), &TFexpimp::ExportDanychClick);
    buttons->addStretch();
    add(QStringLiteral("Zapisz katalog"), &TFexpimp::ZapiszKatalogClick)
        ->setToolTip(QStringLiteral("Zapisuje domyślny katalog przy imporcie/exporcie danych."));

    auto *panels = new QHBoxLayout;
    panels->addWidget(zamien_, 1);
    panels->addLayout(buttons);
    progressBar_ = new QProgressBar(this);
    progressBar_->setTextVisible(false);
    progress_ = std::make_unique<BarProgress>(*progressBar_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(panels, 1);
    layout->addWidget(progressBar_);
    resize(520, 440);
}

TFexpimp::~TFexpimp() = default;

void TFexpimp::execute(Cursor &table, Mode mode)
{
    FormShow(table, mode);
    exec();
}

QPushButton *TFexpimp::button(const QString &text) const
{
    for (QPushButton *button : buttons_)
        if (button->text() == text)
            return button;
    return nullptr;
}

TransferMapping TFexpimp::mapping() const
{
    TransferMapping rows;
    auto text = [this](int row, int column) {
        const QTableWidgetItem *item = zamien_->item(row, column);
        return item ? item->text() : QString();
    };
    for (int row = 0; row < zamien_->rowCount(); ++row)
        rows.append({text(row, TableField), text(row, FileColumn), text(row, FieldName),
                     text(row, KeyMark) == QLatin1String("*")});
    return rows;
}

void TFexpimp::FormShow(Cursor &table, Mode mode)
{
    table_ = &table;
    mode_ = mode;
    const bool importing = mode == Mode::Import;
    setWindowTitle(importing ? QStringLiteral("Import danych") : QStringLiteral("Export danych"));
    directory_ = ReadTransferDirectory(TransferDirectoryFile(dane_.environment()));
    importFile_.clear();
    fileButton_->setVisible(importing);
    importButton_->setVisible(importing);
    importButton_->setEnabled(false);
    exportButton_->setVisible(!importing);
    zamien_->setColumnHidden(KeyMark, !importing);
    progressBar_->reset();
    showMapping(importing ? KeyHintMapping(table) : ExportMapping(table));
}

void TFexpimp::showMapping(const TransferMapping &mapping)
{
    const bool editable = mode_ == Mode::Export;
    zamien_->setRowCount(int(mapping.size()));
    for (int row = 0; row < mapping.size(); ++row) {
        const MappingRow &rowData = mapping[row];
        zamien_->setItem(row, TableField, cell(rowData.tableField, false));
        zamien_->setItem(row, FileColumn, cell(rowData.fileColumn, editable));
        zamien_->setItem(row, FieldName, cell(rowData.fieldName, false));
        QTableWidgetItem *mark = cell(rowData.key ? QStringLiteral("*") : QString(), false);
        mark->setTextAlignment(Qt::AlignCenter);
        zamien_->setItem(row, KeyMark, mark);
    }
}

std::optional<QString> TFexpimp::choose(const FileRequest &request)
{
    std::optional<QString> file = chooseFile_(request);
    if (file)
        chosenFile_ = *file;
    return file;
}

void TFexpimp::ExportDanychClick()
{
    const std::optional<QString> file = choose(ExportFileRequest(directory_));
    if (!file)
        return;
    ExportTable(*table_, mapping(), *file, *progress_, dane_.prompter());
    accept();
}

void TFexpimp::PlikImportowanyClick()
{
    const std::optional<QString> file = choose(ImportFileRequest(directory_));
    if (!file)
        return;
    const std::optional<TransferMapping> read = MapImportFile(*table_, *file, dane_.prompter());
    importFile_ = read ? *file : QString();
    showMapping(read ? *read : KeyHintMapping(*table_));
    importButton_->setEnabled(read && MissingKeyColumns(*read).isEmpty());
}

void TFexpimp::ImportujDaneClick()
{
    if (importFile_.isEmpty())
        return;
    if (ImportTable(*table_, mapping(), importFile_, *progress_, dane_.prompter()))
        accept();
}

void TFexpimp::ZapiszKatalogClick()
{
    if (chosenFile_.isEmpty())
        return;
    const QString file = TransferDirectoryFile(dane_.environment());
    if (SaveTransferDirectory(file, chosenFile_, dane_.prompter()))
        directory_ = ReadTransferDirectory(file);
}
