#include "print/windows/print_engine_window.h"

#include "core/number_format.h"
#include "platform/print/printer_list.h"
#include "platform/widgets/guarded_handler.h"
#include "platform/widgets/report_preview.h"
#include "print/print_engine.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTextCursor>
#include <QVBoxLayout>

int marginFieldValue(const QString &text)
{
    bool ok = false;
    const int value = RemoveSpaces(text).toInt(&ok);
    return ok && value >= 0 ? value : 0;
}

PrintEngineWindow::PrintEngineWindow(TDRUK &engine, QSettings &settings, QWidget *parent)
    : QWidget(parent, Qt::Window), engine_(engine), settings_(settings)
{
    setWindowTitle(QStringLiteral("Moduł wydruku"));
    buildControls();
    connectControls();
    resize(900, 640);
}

static QLineEdit *twoDigitEdit(QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setMaxLength(2);
    edit->setMaximumWidth(48);
    return edit;
}

void PrintEngineWindow::buildControls()
{
    outputs_ = new QButtonGroup(this);
    const auto addOutput = [this](const QString &label, TTypWydruku output, QLayout *layout) {
        auto *button = new QRadioButton(label, this);
        outputs_->addButton(button, output);
        layout->addWidget(button);
    };

    auto *windowsBox = new QGroupBox(QStringLiteral("Wydruk WINDOWS"), this);
    auto *windowsLayout = new QVBoxLayout(windowsBox);
    addOutput(QStringLiteral("drukarka systemowa"), drWINDOWS, windowsLayout);
    auto *printerRow = new QHBoxLayout;
    printerRow->addWidget(new QLabel(QStringLiteral("Drukarka :"), this));
    printer_ = new QComboBox(this);
    printerRow->addWidget(printer_, 1);
    printerSetUp_ = new QPushButton(QStringLiteral("Ustawienia drukarki"), this);
    printerRow->addWidget(printerSetUp_);
    windowsLayout->addLayout(printerRow);

    auto *dosBox = new QGroupBox(QStringLiteral("Wydruk DOS"), this);
    auto *dosLayout = new QVBoxLayout(dosBox);
    addOutput(QStringLiteral("drukarka na porcie"), drDOS, dosLayout);
    auto *portRow = new QHBoxLayout;
    portRow->addWidget(new QLabel(QStringLiteral("Port wydruku :"), this));
    port_ = new QComboBox(this);
    port_->addItems({QStringLiteral("LPT1"), QStringLiteral("LPT2"), QStringLiteral("LPT3")});
    portRow->addWidget(port_, 1);
    dosLayout->addLayout(portRow);

    auto *exportBox = new QGroupBox(QStringLiteral("EXPORT"), this);
    auto *exportLayout = new QVBoxLayout(exportBox);
    addOutput(QStringLiteral("EXPORT"), drEKSPORT, exportLayout);
    addOutput(QStringLiteral("Bez wycinania"), drBW, exportLayout);
    auto *fileKind = new QCheckBox(QStringLiteral("Plik tekstowy  - TXT"), this);
    fileKind->setChecked(true);
    fileKind->setEnabled(false);
    exportLayout->addWidget(fileKind);

    auto *outputsRow = new QHBoxLayout;
    outputsRow->addWidget(windowsBox, 2);
    outputsRow->addWidget(dosBox, 1);
    outputsRow->addWidget(exportBox, 1);

    pitch_ = new QComboBox(this);
    pitch_->addItems({QStringLiteral("automatyczny"), QStringLiteral("zagęszczony"),
                      QStringLiteral("normalny"), QStringLiteral("rozstrzelony")});
    coding_ = new QComboBox(this);
    coding_->addItems({QStringLiteral("brak"), QStringLiteral("MAZOVIA"), QStringLiteral("LATIN"),
                       QStringLiteral("WINDOWS")});
    topMargin_ = twoDigitEdit(this);
    leftMargin_ = twoDigitEdit(this);
    lines_ = twoDigitEdit(this);
    split_ = new QCheckBox(QStringLiteral("podział strony"), this);
    direct_ = new QCheckBox(QStringLiteral("bez bufora"), this);

    auto *choices = new QFormLayout;
    choices->addRow(QStringLiteral("Rodzaj wydruku :"), pitch_);
    choices->addRow(QStringLiteral("Kodowanie polskich liter :"), coding_);
    auto *numbers = new QFormLayout;
    numbers->addRow(QStringLiteral("margines górny :"), topMargin_);
    numbers->addRow(QStringLiteral("margines lewy :"), leftMargin_);
    numbers->addRow(QStringLiteral("wierszy :"), lines_);
    auto *checks = new QVBoxLayout;
    checks->addWidget(split_);
    checks->addWidget(direct_);
    save_ = new QPushButton(QStringLiteral("ZAPISZ USTAWIENIA"), this);
    print_ = new QPushButton(QStringLiteral("DRUKUJ"), this);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(save_);
    buttons->addWidget(print_);

    auto *settingsRow = new QHBoxLayout;
    settingsRow->addLayout(choices);
    settingsRow->addLayout(numbers);
    settingsRow->addLayout(checks);
    settingsRow->addStretch();
    settingsRow->addLayout(buttons);

    preview_ = new QPlainTextEdit(this);
    preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
    preview_->setFont(QFont(QStringLiteral("Lucida Console")));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(outputsRow);
    layout->addLayout(settingsRow);
    layout->addWidget(preview_, 1);
}

void PrintEngineWindow::connectControls()
{
    connect(outputs_, &QButtonGroup::idClicked, this, [this](int id) {
        engine_.TypWydruku = TTypWydruku(id);
    });
    connect(printer_, &QComboBox::currentTextChanged, this, Guarded(errors_, [this](const QString &name) {
        if (!loading_ && !name.isEmpty())
            engine_.printers().selectPrinter(name);
    }));
    connect(printerSetUp_, &QPushButton::clicked, this, Guarded(errors_, this, &PrintEngineWindow::setUpPrinterClicked));
    connect(port_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!loading_)
            engine_.Port = TPort(index);
    });
    connect(pitch_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!loading_)
            engine_.Rodzaj = TRODZAJ(index);
    });
    connect(coding_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!loading_)
            engine_.Pl = TPL(index);
    });
    connect(topMargin_, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!loading_)
            engine_.MarG = marginFieldValue(text);
    });
    connect(leftMargin_, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!loading_)
            engine_.MarL = marginFieldValue(text);
    });
    connect(lines_, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!loading_)
            engine_.MaxLiniaDOS = marginFieldValue(text);
    });
    connect(split_, &QCheckBox::toggled, this, [this](bool on) {
        if (!loading_)
            engine_.Podzial = on;
    });
    connect(direct_, &QCheckBox::toggled, this, [this](bool on) {
        if (!loading_)
            engine_.Bufor = on;
    });
    connect(save_, &QPushButton::clicked, this, Guarded(errors_, this, &PrintEngineWindow::saveClicked));
    connect(print_, &QPushButton::clicked, this, Guarded(errors_, this, &PrintEngineWindow::printClicked));
}

void PrintEngineWindow::showEvent(QShowEvent *event)
{
    RunHandler(errors_, [this] { loadFromEngine(); });
    QWidget::showEvent(event);
}

void PrintEngineWindow::loadFromEngine()
{
    loading_ = true;
    if (QAbstractButton *button = outputs_->button(engine_.TypWydruku))
        button->setChecked(true);
    printer_->clear();
    printer_->addItems(engine_.printers().printerNames());
    printer_->setCurrentText(engine_.printers().currentPrinter());
    port_->setCurrentIndex(engine_.Port);
    pitch_->setCurrentIndex(engine_.Rodzaj);
    coding_->setCurrentIndex(engine_.Pl);
    topMargin_->setText(QString::number(engine_.MarG));
    leftMargin_->setText(QString::number(engine_.MarL));
    lines_->setText(QString::number(engine_.MaxLiniaDOS));
    split_->setChecked(engine_.Podzial);
    direct_->setChecked(engine_.Bufor);
    loading_ = false;
}

void PrintEngineWindow::showBuffer()
{
    preview_->setPlainText(engine_.buffer());
    if (engine_.reportClosed()) {
        QFont font(QStringLiteral("Courier New"));
        font.setStyleHint(QFont::TypeWriter);
        font.setPointSize(8);
        preview_->setFont(font);
    }
    // Opened from a modal window (the summary statement), the engine window would take no
    // input until that one closed: it becomes the modal one itself while it is open.
    QWidget *modal = QApplication::activeModalWidget();
    const Qt::WindowModality modality =
        modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != modality) {
        hide();
        setWindowModality(modality);
    }
    show();
    raise();
    activateWindow();
}

void PrintEngineWindow::printClicked()
{
    QTextCursor cursor = preview_->textCursor();
    if (!cursor.hasSelection()) {
        cursor.select(QTextCursor::Document);
        preview_->setTextCursor(cursor);
    }
    // A selection separates its lines by paragraph separators; the engine breaks at "\n".
    QString text = cursor.selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    // A print that failed has said why; the selection stays for another try.
    if (!engine_.DRUKUJ(text))
        return;
    cursor.clearSelection();
    preview_->setTextCursor(cursor);
}

void PrintEngineWindow::saveClicked()
{
    engine_.saveSettings(settings_);
}

void PrintEngineWindow::setUpPrinterClicked()
{
    if (QPrinter *printer = engine_.printers().qprinter()) {
        setUpPrinter(*printer, this);
        loadFromEngine();
    }
}
