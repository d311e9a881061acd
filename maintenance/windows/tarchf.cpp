#include "maintenance/windows/tarchf.h"

#include "core/data_module.h"
#include "firm/firm_record.h"
#include "maintenance/archive.h"
#include "platform/widgets/guarded_handler.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString archiveDate(TDANE &dane)
{
    Cursor &firm = dane.TFIRMA;
    if (!GoToFirmRecord(firm) || firm.isEmpty() || !firm.hasField(QStringLiteral("ARCHDATA")))
        return QString();
    return firm.field(QStringLiteral("ARCHDATA")).asString();
}

} // namespace

TARCHF::TARCHF(TDANE &dane, Progress &progress, QWidget *parent)
    : QDialog(parent), dane_(dane), progress_(progress)
{
    setObjectName(QStringLiteral("TARCHF"));
    setWindowTitle(QStringLiteral("Moduł ARCHIWUM"));
    chooseDirectory_ = [this](const QString &start) -> std::optional<QString> {
        const QString chosen =
            QFileDialog::getExistingDirectory(this, QStringLiteral("Wyszukiwanie katalogu"), start);
        if (chosen.isEmpty())
            return std::nullopt;
        return chosen;
    };
    pages_ = new QTabWidget(this);
    archive_ = buildPage(QStringLiteral("ARCHIWOWANIE"),
                         QStringLiteral("Archiwum zawiera wszystkie bazy danych ze wszystkich lat."),
                         QStringLiteral("Ostatnia aktualizacja archiwum :"),
                         QStringLiteral("Archiwizuj"));
    restore_ = buildPage(QStringLiteral("ODTWARZANIE"),
                         QStringLiteral("Odtworzenie plików z archiwum. Podczas odtwarzania zostaną "
                                        "przywrócone wszystkie dane ze wszystkich zarchiwizowanych "
                                        "lat."),
                         QStringLiteral("Ostatnia aktualizacja archiwum : "),
                         QStringLiteral("Odtwarzaj"));
    connect(archive_.run, &QPushButton::clicked, this, Guarded(dane_.prompter(), this, &TARCHF::ArchiwizujClick));
    connect(restore_.run, &QPushButton::clicked, this, Guarded(dane_.prompter(), this, &TARCHF::OdtwarzajClick));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
}

TARCHF::Page TARCHF::buildPage(const QString &title, const QString &text, const QString &dateLabel,
                               const QString &runLabel)
{
    Page page;
    page.page = new QWidget(pages_);
    auto *layout = new QVBoxLayout(page.page);
    auto *description = new QLabel(text, page.page);
    description->setWordWrap(true);
    layout->addWidget(description);

    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(new QLabel(dateLabel, page.page));
    page.archiveDate = new QLabel(page.page);
    page.archiveDate->setObjectName(QStringLiteral("ARCHDATA"));
    dateRow->addWidget(page.archiveDate, 1);
    layout->addLayout(dateRow);

    page.defaultLocation = new QRadioButton(QStringLiteral("domyślna lokalizacja"), page.page);
    page.chosenLocation = new QRadioButton(QStringLiteral("dowolna lokalizacja"), page.page);
    auto *choice = new QButtonGroup(page.page);
    choice->addButton(page.defaultLocation);
    choice->addButton(page.chosenLocation);
    layout->addWidget(page.defaultLocation);
    layout->addWidget(page.chosenLocation);

    page.pathGroup = new QGroupBox(QStringLiteral("Ścieżka do plików archiwum"), page.page);
    auto *pathRow = new QHBoxLayout(page.pathGroup);
    page.path = new QLineEdit(page.pathGroup);
    // Wide enough for a whole path under the data root.
    page.path->setMinimumWidth(360);
    page.browse = new QPushButton(QStringLiteral("..."), page.pathGroup);
    pathRow->addWidget(page.path, 1);
    pathRow->addWidget(page.browse);
    layout->addWidget(page.pathGroup);
    connect(page.chosenLocation, &QRadioButton::toggled, page.pathGroup, &QGroupBox::setEnabled);
    connect(page.browse, &QPushButton::clicked, this,
            Guarded(dane_.prompter(), [this, path = page.path, browse = page.browse] {
                if (const std::optional<QString> chosen = chooseDirectory_(path->text()))
                    path->setText(*chosen);
                browse->setFocus();
            }));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    page.cancel = new QPushButton(QStringLiteral("&Przerwij"), page.page);
    page.run = new QPushButton(runLabel, page.page);
    buttons->addWidget(page.cancel);
    buttons->addWidget(page.run);
    layout->addLayout(buttons);
    connect(page.cancel, &QPushButton::clicked, this, &QDialog::reject);

    pages_->addTab(page.page, title);
    return page;
}

bool TARCHF::execute()
{
    restored_ = false;
    FormShow();
    exec();
    return restored_;
}

void TARCHF::FormShow()
{
    const QString location = DefaultArchiveLocation(dane_.environment());
    const QString date = archiveDate(dane_);
    for (const Page *page : {&archive_, &restore_}) {
        page->path->setText(location);
        page->defaultLocation->setChecked(true);
        page->pathGroup->setEnabled(false);
        page->archiveDate->setText(date);
    }
    pages_->setCurrentIndex(0);
}

void TARCHF::ArchiwizujClick()
{
    Archiwizuj(dane_, archive_.path->text(), progress_, dane_.prompter());
    accept();
}

void TARCHF::OdtwarzajClick()
{
    restored_ = Odtwarzaj(dane_, restore_.path->text(), progress_, dane_.prompter()).reopened;
    accept();
}
