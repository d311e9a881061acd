#pragma once
// "Import / Export danych": any open table written to a tab-separated text file, or such a
// file read into it. The grid "zamien" maps the table's fields to the file's columns: in
// export mode the column names can be edited (a blank one leaves its field out); in import
// mode they come from the chosen file's header, and the import is offered only when every
// field of the primary key has a column.
//
// The caller keeps one instance for the run:
//   TFexpimp transfer(dane, this);
//   transfer.execute(dane.TKontrah, TFexpimp::Mode::Import);

#include "maintenance/transfer_files.h"
#include "maintenance/transfer_mapping.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class Cursor;
class Progress;
class QProgressBar;
class QPushButton;
class QTableWidget;
class TDANE;

class TFexpimp final : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Import, Export };
    // Asks for a file; nothing when the user cancels. The program shows a file dialog.
    using FileChooser = std::function<std::optional<QString>(const FileRequest &request)>;

    explicit TFexpimp(TDANE &dane, QWidget *parent = nullptr);
    ~TFexpimp() override;

    // Prepares the window for the table and the mode and shows it until it is closed.
    void execute(Cursor &table, Mode mode);
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // Handlers.
    void FormShow(Cursor &table, Mode mode);
    void ExportDanychClick();
    void PlikImportowanyClick();
    void ImportujDaneClick();
    void ZapiszKatalogClick();

    QTableWidget *zamien() const { return zamien_; }
    QPushButton *button(const QString &text) const;
    QProgressBar *progressBar() const { return progressBar_; }
    // The mapping as the grid holds it now.
    TransferMapping mapping() const;

private:
    void showMapping(const TransferMapping &mapping);
    std::optional<QString> choose(const FileRequest &request);

    TDANE &dane_;
    Cursor *table_ = nullptr;
    Mode mode_ = Mode::Export;
    QString directory_;  // where both dialogs start
    QString chosenFile_; // the last file chosen in this window, for "Zapisz katalog"
    QString importFile_; // the file the grid's mapping was made from
    FileChooser chooseFile_;
    QTableWidget *zamien_ = nullptr;
    QProgressBar *progressBar_ = nullptr;
    std::unique_ptr<Progress> progress_;
    QList<QPushButton *> buttons_;
    QPushButton *exportButton_ = nullptr;
    QPushButton *fileButton_ = nullptr;
    QPushButton *importButton_ = nullptr;
};
