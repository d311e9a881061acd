#pragma once
// The entry editor "Opis pozycji Podatkowej Księgi Przychodów i Rozchodów": every box bound
// to a field of the ledger's current entry, so the entry rules act while the user types. The
// ledger window puts the entry into insert or edit state and shows the editor modally; one
// editor is made on first use and kept for the run.
//
//   if (NewEntry(dane)) editor.execute();

#include "ledger/entry_contractor.h"
#include "ledger/entry_editor_link.h"
#include "platform/widgets/field_binder.h"

#include <QDialog>
#include <QHash>
#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class TDANE;

class TKSIEGAF1 final : public QDialog, public EntryEditorLink {
    Q_OBJECT

public:
    explicit TKSIEGAF1(TDANE &dane, QWidget *parent = nullptr);
    ~TKSIEGAF1() override;

    // The contractor catalogue, shown modally: true when a contractor was picked and the
    // contractor cursor stands on him.
    void setCatalogue(std::function<bool()> chooseContractor) { catalogue_ = std::move(chooseContractor); }
    // The description dictionary window, shown modally.
    void setDictionary(std::function<void()> openDictionary) { dictionary_ = std::move(openDictionary); }
    // Run after every close, once the view has followed the entry: the ledger window
    // re-renders its month view.
    void setViewRefresh(std::function<void()> refresh) { viewRefresh_ = std::move(refresh); }

    // Shows the editor on the ledger's current entry until it is closed.
    void execute();

    // Handlers.
    void FormCreate();
    void FormShow();
    void DBEdit14Exit(ContractorKey key);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void UpDown1Click(bool up);
    void EOPISDblClick();
    void KZAPISZClick();
    void FormHide();

    void showMonth(const QString &month) override;

    // The box bound to a field, for whoever drives the editor without a mouse.
    QWidget *control(const QString &field) const { return controls_.value(field); }
    QToolButton *upButton() const { return up_; }
    QToolButton *downButton() const { return down_; }
    QPushButton *catalogueButton() const { return catalogueButton_; }
    QPushButton *saveContractorButton() const { return saveContractorButton_; }
    QPushButton *saveButton() const { return KZAPISZ_; }

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *entryGroup();
    QWidget *contractorGroup();
    QWidget *amountsGroup();
    QWidget *remarksGroup();
    QLineEdit *lineEdit(const QString &field, const QString &hint = QString(),
                        const QString &mask = QString());
    void run(const std::function<void()> &handler);

    TDANE &dane_;
    FieldBinder binder_;
    QHash<QString, QWidget *> controls_;
    QComboBox *month_ = nullptr;
    QComboBox *description_ = nullptr;
    QToolButton *up_ = nullptr;
    QToolButton *down_ = nullptr;
    QPushButton *catalogueButton_ = nullptr;
    QPushButton *saveContractorButton_ = nullptr;
    QPushButton *KZAPISZ_ = nullptr;
    std::function<bool()> catalogue_;
    std::function<void()> dictionary_;
    std::function<void()> viewRefresh_;
    bool hiding_ = false;
};
