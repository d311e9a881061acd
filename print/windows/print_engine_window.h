#pragma once
// The engine window "Moduł wydruku": the choice of output, printer, port, pitch, letter
// coding, margins and page length, and below them the buffer of the last report, which the
// user may edit and print ("DRUKUJ") as often as he likes.

#include "platform/widgets/qt_prompter.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSettings;
class TDRUK;

class PrintEngineWindow final : public QWidget {
    Q_OBJECT

public:
    PrintEngineWindow(TDRUK &engine, QSettings &settings, QWidget *parent = nullptr);

    // Loads the engine's buffer of the report just closed and shows the window.
    void showBuffer();

    QPlainTextEdit *preview() const { return preview_; }
    QButtonGroup *outputs() const { return outputs_; }
    QComboBox *printerBox() const { return printer_; }
    QComboBox *portBox() const { return port_; }
    QComboBox *pitchBox() const { return pitch_; }
    QComboBox *codingBox() const { return coding_; }
    QLineEdit *topMarginEdit() const { return topMargin_; }
    QLineEdit *leftMarginEdit() const { return leftMargin_; }
    QLineEdit *linesEdit() const { return lines_; }
    QCheckBox *splitBox() const { return split_; }
    QCheckBox *directBox() const { return direct_; }
    QPushButton *printButton() const { return print_; }
    QPushButton *saveButton() const { return save_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void loadFromEngine();
    void connectControls();
    void printClicked();
    void saveClicked();
    void setUpPrinterClicked();

    TDRUK &engine_;
    QSettings &settings_;
    QtPrompter errors_{this};
    bool loading_ = false;

    QButtonGroup *outputs_ = nullptr;
    QComboBox *printer_ = nullptr;
    QPushButton *printerSetUp_ = nullptr;
    QComboBox *port_ = nullptr;
    QComboBox *pitch_ = nullptr;
    QComboBox *coding_ = nullptr;
    QLineEdit *topMargin_ = nullptr;
    QLineEdit *leftMargin_ = nullptr;
    QLineEdit *lines_ = nullptr;
    QCheckBox *split_ = nullptr;
    QCheckBox *direct_ = nullptr;
    QPushButton *save_ = nullptr;
    QPushButton *print_ = nullptr;
    QPlainTextEdit *preview_ = nullptr;
};

// What the margin and line fields hold: the text without spaces as a whole number; an
// unreadable or negative one counts as 0.
int marginFieldValue(const QString &text);
