#pragma once
// "Zmiana roku.": the known years in the list Lrok; "Zmień rok" makes the selected one the
// working year and closes the window, after which the caller redraws what shows the year.
//
//   TKSIEGAF6 change(dane, this);
//   if (change.execute())
//       ...redraw for the new year

#include <QDialog>

class QListWidget;
class QPushButton;
class TDANE;

class TKSIEGAF6 final : public QDialog {
    Q_OBJECT

public:
    explicit TKSIEGAF6(TDANE &dane, QWidget *parent = nullptr);

    // Shows the years until the window is closed; true when the year was changed.
    bool execute();

    // Handlers.
    void FormShow();
    void ZmienRokClick();

    QListWidget *lrok() const { return Lrok_; }
    QPushButton *changeButton() const { return ZmienRok_; }

private:
    TDANE &dane_;
    QListWidget *Lrok_;
    QPushButton *ZmienRok_;
};
