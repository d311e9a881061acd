#include "firm/windows/tfirmaf.h"

#include "core/data_module.h"
#include "firm/address_completion.h"
#include "firm/firm_fields.h"
#include "firm/firm_logo.h"
#include "firm/firm_record.h"
#include "platform/prompter.h"
#include "platform/widgets/guarded_handler.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QStringList AddressCaptions = {
    QStringLiteral("ulica"),  QStringLiteral("numer domu"), QStringLiteral("numer lokalu"),
    QStringLiteral("kod pocztowy"), QStringLiteral("poczta"), QStringLiteral("kraj"),
    QStringLiteral("województwo"), QStringLiteral("powiat"), QStringLiteral("gmina"),
    QStringLiteral("miejscowość")};
const QStringList AddressFields = {
    QStringLiteral("ULICA"), QStringLiteral("NUMER"), QStringLiteral("LOKAL"),
    QStringLiteral("KOD"), QStringLiteral("POCZTA"), QStringLiteral("KRAJ"),
    QStringLiteral("WOJEWODZTWO"), QStringLiteral("POWIAT"), QStringLiteral("GMINA"),
    QStringLiteral("MIEJSCOWOSC")};

QLabel *note(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

TFIRMAF::TFIRMAF(TDANE &dane, QImage logo, QWidget *parent)
    : QDialog(parent), dane_(dane), logo_(std::move(logo)), firm_(dane.TFIRMA, dane.prompter()),
      parameters_(dane.TPARA, dane.prompter()), pages_(new QTabWidget(this))
{
    setObjectName(QStringLiteral("TFIRMAF"));
    setWindowTitle(QStringLiteral("Dane o Firmie"));
    pages_->addTab(identificationPage(), QStringLiteral("Dane identyfikacyjne i ewidencyjne"));
    pages_->addTab(addressPage(QString()), QStringLiteral("Adres siedziby"));
    pages_->addTab(addressPage(QStringLiteral("Z")), QStringLiteral("Adres zamieszkana"));
    pages_->addTab(banksPage(), QStringLiteral("Rachunki bankowe"));
    pages_->addTab(otherPage(), QStringLiteral("Inne parametry"));
    pages_->addTab(logoPage(), QStringLiteral("Logo Firmy"));
    // Every page title stays readable: the window grows to the row of tabs.
    pages_->setUsesScrollButtons(false);
    pages_->setElideMode(Qt::ElideNone);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    connect(pages_, &QTabWidget::currentChanged, this, Guarded(dane_.prompter(), [this](int page) {
        if (page == pages_->count() - 1)
            LogoShow();
    }));
    connect(this, &QDialog::finished, this, Guarded(dane_.prompter(), this, &TFIRMAF::FormClose));
}

bool TFIRMAF::execute()
{
    if (!FormShow())
        return false;
    exec();
    return true;
}

bool TFIRMAF::FormShow()
{
    if (!GoToFirmRecord(dane_.TFIRMA))
        return false;
    firm_.refresh();
    parameters_.refresh();
    pages_->setCurrentIndex(0);
    return true;
}

void TFIRMAF::FormClose()
{
    firm_.updateRecord();
    parameters_.updateRecord();
    // The window closes either way; what could not be saved must not stay half-typed in
    // the shared cursors for the next writer to post.
    if (!SaveFirmData(dane_))
        CancelFirmData(dane_);
}

void TFIRMAF::AdresExit(const QString &seatField)
{
    if (!dane_.TFIRMA.isOpen())
        return;
    firm_.updateRecord();
    try {
        CompleteAddress(dane_.TFIRMA, seatField);
    } catch (const DbError &error) {
        dane_.prompter().error(error.message());
    }
}

void TFIRMAF::LogoShow()
{
    logoPicture_->setPixmap(QPixmap::fromImage(logo_));
    logoPicture_->adjustSize();
    logoSize_->setText(LogoSizeLine(logo_));
}

// Leaving a seat box completes the address even when nothing was typed in it; a popup of
// the voivodeship list is not leaving.
bool TFIRMAF::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && seatControls_.contains(watched)
        && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
        RunHandler(dane_.prompter(), [this, watched] { AdresExit(seatControls_.value(watched)); });
    return QDialog::eventFilter(watched, event);
}

QLineEdit *TFIRMAF::lineEdit(const QString &field, FieldBinder &binder)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(field);
    Cursor &cursor = binder.cursor();
    if (cursor.isOpen() && cursor.hasField(field) && cursor.field(field).type() == FieldType::Text)
        edit->setMaxLength(cursor.field(field).size());
    binder.bindLineEdit(edit, field);
    controls_.insert(field, edit);
    return edit;
}

QWidget *TFIRMAF::comboBox(const QString &field, const QStringList &choices)
{
    auto *combo = new QComboBox(this);
    combo->setObjectName(field);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(choices);
    firm_.bindComboBox(combo, field);
    controls_.insert(field, combo);
    return combo;
}

QWidget *TFIRMAF::withSuffix(QWidget *control, const QString &suffix)
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    control->setMaximumWidth(control->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 12);
    layout->addWidget(control);
    layout->addWidget(new QLabel(suffix, row));
    layout->addStretch();
    return row;
}

QWidget *TFIRMAF::identificationPage()
{
    auto *page = new QWidget(this);
    auto *form = new QFormLayout(page);
    form->addRow(QStringLiteral("NIP"), lineEdit(QStringLiteral("NIP"), firm_));
    form->addRow(QStringLiteral("REGON"), lineEdit(QStringLiteral("REGON"), firm_));
    form->addRow(QStringLiteral("nazwa skrocona"), lineEdit(QStringLiteral("SKROT"), firm_));
    form->addRow(QStringLiteral("nazwa firmy"), lineEdit(QStringLiteral("NAZWA1"), firm_));
    form->addRow(QString(), lineEdit(QStringLiteral("NAZWA2"), firm_));
    form->addRow(QStringLiteral("BDO"), lineEdit(QStringLiteral("RHB"), firm_));
    form->addRow(QStringLiteral("Rodzaj płatnika "), comboBox(QStringLiteral("RP"), PayerKinds()));

    auto *person = new QGroupBox(QStringLiteral("Osoba fizyczna :"), page);
    auto *personForm = new QFormLayout(person);
    personForm->addRow(QStringLiteral("nazwisko"), lineEdit(QStringLiteral("NAZWISKO"), firm_));
    personForm->addRow(QStringLiteral("imię"), lineEdit(QStringLiteral("IMIE"), firm_));
    personForm->addRow(QStringLiteral("PESEL"), lineEdit(QStringLiteral("PESEL"), firm_));
    personForm->addRow(QStringLiteral("data urodzenia (dzień-miesiąc-rok)"),
                       lineEdit(QStringLiteral("DATAUR"), firm_));
    personForm->addRow(QStringLiteral("rodzaj dok."), lineEdit(QStringLiteral("RD"), firm_));
    personForm->addRow(QStringLiteral("seria i numer dkumentu"), lineEdit(QStringLiteral("NRD"), firm_));
    form->addRow(person);
    return page;
}

QWidget *TFIRMAF::addressPage(const QString &prefix)
{
    auto *page = new QWidget(this);
    auto *form = new QFormLayout(page);
    for (qsizetype i = 0; i < AddressFields.size(); ++i) {
        const QString field = prefix + AddressFields[i];
        QWidget *control = AddressFields[i] == QLatin1String("WOJEWODZTWO")
                               ? comboBox(field, Voivodeships())
                               : lineEdit(field, firm_);
        if (prefix.isEmpty()) {
            seatControls_.insert(control, field);
            control->installEventFilter(this);
        }
        form->addRow(AddressCaptions[i], control);
    }
    if (prefix.isEmpty()) {
        form->addRow(QStringLiteral("e-mail"), lineEdit(QStringLiteral("EMAIL"), firm_));
        form->addRow(QStringLiteral("WWW"), lineEdit(QStringLiteral("WWW"), firm_));
    }
    return page;
}

QWidget *TFIRMAF::banksPage()
{
    auto *page = new QWidget(this);
    auto *form = new QFormLayout(page);
    for (int bank = 1; bank <= 3; ++bank) {
        const QString number = QString::number(bank);
        const QString suffix = bank == 1 ? QString() : number;
        if (bank > 1)
            form->addItem(new QSpacerItem(0, 12));
        form->addRow(QStringLiteral("nazwa banku %1 :").arg(number),
                     lineEdit(QStringLiteral("BANK") + suffix, firm_));
        form->addRow(QStringLiteral("adres banku %1 :").arg(number),
                     lineEdit(QStringLiteral("ADRES") + number, firm_));
        form->addRow(QStringLiteral("rachunek %1 :").arg(number),
                     lineEdit(QStringLiteral("NUM") + number, firm_));
    }
    return page;
}

QWidget *TFIRMAF::otherPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);

    auto *office = new QGroupBox(QStringLiteral("Urząd skarbowy, do którego składana jest deklaracja"), page);
    auto *officeForm = new QFormLayout(office);
    officeForm->addRow(QStringLiteral("Numer urzędu:"), lineEdit(QStringLiteral("URZAD"), firm_));
    layout->addWidget(office);

    auto *archive = new QGroupBox(QStringLiteral("Archiwowanie "), page);
    auto *archiveForm = new QFormLayout(archive);
    QLineEdit *archiveDate = lineEdit(QStringLiteral("ARCHDATA"), firm_);
    archiveDate->setReadOnly(true);
    archiveForm->addRow(QStringLiteral("Data ostatniej aktualizacji archiwum :"), archiveDate);
    archiveForm->addRow(QStringLiteral("Okres aktualizacji archiwum :"),
                        withSuffix(lineEdit(QStringLiteral("ARCHDNI"), firm_), QStringLiteral("dni.")));
    layout->addWidget(archive);

    auto *internet = new QGroupBox(QStringLiteral(" Aktualizacja Internet "), page);
    auto *internetForm = new QFormLayout(internet);
    internetForm->addRow(QStringLiteral("Data następnego sprawdzenia aktualizacji w internecie :"),
                         lineEdit(QStringLiteral("ADATA"), parameters_));
    internetForm->addRow(QStringLiteral("Ilość dni między kolejnymi sprawdzeniami aktualizacji :"),
                         lineEdit(QStringLiteral("ACYKL"), parameters_));
    internetForm->addRow(note(QStringLiteral("Jeżeli ilość dni jest równa 0 to aktualizacja wyłączona."),
                              internet));
    layout->addWidget(internet);

    auto *year = new QGroupBox(QStringLiteral(" Rok obrachunkowy "), page);
    auto *yearForm = new QFormLayout(year);
    yearForm->addRow(QStringLiteral("Data początku okresu obrachunkowego :"),
                     withSuffix(lineEdit(QStringLiteral("OBRDATA"), firm_), QStringLiteral("[ mm.dd ]")));
    yearForm->addRow(note(QStringLiteral("Jeżeli data początku okresu nie jest wpisana to okres "
                                         "obrachunkowy zaczyna się 01.01."),
                          year));
    layout->addWidget(year);

    auto *path = new QGroupBox(QStringLiteral(" Ścieżka dostępu do plików : "), page);
    auto *pathLayout = new QVBoxLayout(path);
    pathLayout->addWidget(lineEdit(QStringLiteral("DR"), firm_));
    pathLayout->addWidget(note(QStringLiteral("Jeżeli ścieżka dostępu jest pusta to dane znajdują się "
                                              "w tym samym katalogu co program."),
                               path));
    layout->addWidget(path);
    layout->addStretch();
    return page;
}

QWidget *TFIRMAF::logoPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Logo firmy do wydruku na fakturze:"), page));
    logoPicture_ = new QLabel(page);
    logoPicture_->setObjectName(QStringLiteral("LOGOIMG"));
    auto *frame = new QScrollArea(page);
    frame->setWidget(logoPicture_);
    frame->setMinimumHeight(160);
    layout->addWidget(frame, 1);
    logoSize_ = new QLabel(LogoSizeLine(QImage()), page);
    layout->addWidget(logoSize_);
    auto *print = new QCheckBox(QStringLiteral("Wydruk logo na dokumentach"), page);
    print->setObjectName(QStringLiteral("LOGO"));
    firm_.bindCheckBox(print, QStringLiteral("LOGO"));
    controls_.insert(QStringLiteral("LOGO"), print);
    layout->addWidget(print);
    layout->addWidget(note(QStringLiteral(
        "Logo jest plikiem w formacie BMP o nazwie LOGO, umieszczonym w katalogu danych.\n"
        "Aby logo wydrukowane na dokumencie miało wymiary 5 cm na 2,5 cm, rysunek powinien mieć "
        "600 na 300 pikseli dla drukarki o rozdzielczości 300×300 albo 1200 na 600 pikseli dla "
        "drukarki o rozdzielczości 600×600."), page));
    return page;
}
