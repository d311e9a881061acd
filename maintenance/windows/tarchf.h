#pragma once
// "Moduł ARCHIWUM": page "ARCHIWOWANIE" refreshes the archive, page "ODTWARZANIE" restores
// from it. On each page the location choice only enables or disables the path group: the
// path in the edit is the one used, so a path typed under "dowolna lokalizacja" stays when
// the choice goes back to "domyślna lokalizacja".
//
// The caller keeps one instance for the run:
//   TARCHF archive(dane, progress, this);
//   archive.execute();   // true when a restore ran: the tables were opened again

#include <QDialog>

#include <functional>
#include <optional>

class Progress;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TDANE;

class TARCHF final : public QDialog {
    Q_OBJECT

public:
    // Asks for a directory, starting at the given one; nothing when the user cancels.
    using DirectoryChooser = std::function<std::optional<QString>(const QString &start)>;

    TARCHF(TDANE &dane, Progress &progress, QWidget *parent = nullptr);

    bool execute();
    void setDirectoryChooser(DirectoryChooser chooser) { chooseDirectory_ = std::move(chooser); }

    // Handlers.
    void FormShow();
    void ArchiwizujClick();
    void OdtwarzajClick();

    struct Page {
        QWidget *page = nullptr;
        QLabel *archiveDate = nullptr;
        QRadioButton *defaultLocation = nullptr;
        QRadioButton *chosenLocation = nullptr;
        QGroupBox *pathGroup = nullptr;
        QLineEdit *path = nullptr;
        QPushButton *browse = nullptr;
        QPushButton *cancel = nullptr;
        QPushButton *run = nullptr;
    };
    QTabWidget *pages() const { return pages_; }
    const Page &archivePage() const { return archive_; }
    const Page &restorePage() const { return restore_; }

private:
    Page buildPage(const QString &title, const QString &text, const QString &dateLabel,
                   const QString &runLabel);
    void browse(const Page &page);

    TDANE &dane_;
    Progress &progress_;
    DirectoryChooser chooseDirectory_;
    QTabWidget *pages_ = nullptr;
    Page archive_;
    Page restore_;
    bool restored_ = false;
};
