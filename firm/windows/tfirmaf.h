#pragma once
// The firm data window "Dane o Firmie": six pages of the firm record and the few values of
// the parameter record that belong with it, bound directly to the shared cursors and saved
// when the window closes. Leaving a seat-address box completes the residence address.
//
// Opened by "Narzędzia" → "Dane o Firmie" and the firm tool button of the main window:
//   TFIRMAF window(dane, engine.logo(), this);
//   if (window.execute())
//       setWindowTitle(MainWindowCaption(QApplication::applicationName(), FirmDataClosed(dane)));

#include "platform/widgets/field_binder.h"

#include <QDialog>
#include <QHash>
#include <QImage>

class QLabel;
class QLineEdit;
class QTabWidget;
class TDANE;

class TFIRMAF final : public QDialog {
    Q_OBJECT

public:
    // `logo` is the print engine's logo bitmap; LoadFirmLogo reads the same file without it.
    TFIRMAF(TDANE &dane, QImage logo, QWidget *parent = nullptr);

    // Shows the window until it is closed; false, showing nothing, when the firm table is
    // not open (its absence was reported at start-up).
    bool execute();

    // Handlers.
    bool FormShow();
    void FormClose();
    void AdresExit(const QString &seatField);
    void LogoShow();

    QTabWidget *pages() const { return pages_; }
    // The box bound to a field, for whoever drives the window without a mouse.
    QWidget *control(const QString &field) const { return controls_.value(field); }
    QLabel *logoPicture() const { return logoPicture_; }
    QLabel *logoSize() const { return logoSize_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *identificationPage();
    QWidget *addressPage(const QString &prefix);
    QWidget *banksPage();
    QWidget *otherPage();
    QWidget *logoPage();
    QLineEdit *lineEdit(const QString &field, FieldBinder &binder);
    QWidget *comboBox(const QString &field, const QStringList &choices);
    QWidget *withSuffix(QWidget *control, const QString &suffix);

    TDANE &dane_;
    QImage logo_;
    FieldBinder firm_;
    FieldBinder parameters_;
    QTabWidget *pages_;
    QHash<QString, QWidget *> controls_;
    QHash<QObject *, QString> seatControls_;
    QLabel *logoPicture_ = nullptr;
    QLabel *logoSize_ = nullptr;
};
