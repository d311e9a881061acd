#include "firm/windows/tksiegaf2.h"

#include "core/data_module.h"
#include "core/table_access.h"
#include "firm/users.h"
#include "platform/widgets/guarded_handler.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TKSIEGAF2::TKSIEGAF2(TDANE &dane, QWidget *parent)
    : QDialog(parent), dane_(dane),
      model_(dane.TUSER, {{QStringLiteral("KOD"), QStringLiteral("KOD"), {}},
                          {QStringLiteral("NAZWISKO"), QStringLiteral("IMIE i NAZWISKO"), {}}}),
      binder_(dane.TUSER, dane.prompter()), DBUSER_(new QTableView(this)),
      code_(new QLineEdit(this)), name_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("TKSIEGAF2"));
    setWindowTitle(QStringLiteral("Użytkownicy"));
    auto *menu = new QMenuBar(this);
    QMenu *tasks = menu->addMenu(QStringLiteral("Zadania"));
    newUser_ = tasks->addAction(QStringLiteral("Nowy użytkownik"), this,
                                Guarded(dane.prompter(), this, &TKSIEGAF2::NowyUzytkownikClick));
    deleteUser_ = tasks->addAction(QStringLiteral("Kasuj użytkownika"), this,
                                   Guarded(dane.prompter(), this, &TKSIEGAF2::KasujUzytkownikaClick));

    DBUSER_->setObjectName(QStringLiteral("DBUSER"));
    followCursor(DBUSER_, &model_, dane.prompter());
    DBUSER_->horizontalHeader()->setStretchLastSection(true);
    DBUSER_->verticalHeader()->hide();
    DBUSER_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // While a new row is typed the cursor still counts the row it was on as current, so a
    // click on that row would not move it: picking any listed row saves the new one first.
    connect(DBUSER_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            Guarded(dane.prompter(), [this](const QModelIndex &current) {
                if (!current.isValid() || dane_.TUSER.state() != Cursor::State::Insert)
                    return;
                const QString code = model_.textAt(current.row(), QStringLiteral("KOD"));
                binder_.updateRecord();
                if (!SaveTable(dane_.TUSER, dane_.prompter()))
                    return;
                if (!code.isEmpty())
                    dane_.TUSER.findKey({code.toInt()});
            }));

    // The grid shows the list; the row under the cursor is typed into below it.
    code_->setObjectName(QStringLiteral("KOD"));
    name_->setObjectName(QStringLiteral("NAZWISKO"));
    binder_.bindLineEdit(code_, QStringLiteral("KOD"));
    binder_.bindLineEdit(name_, QStringLiteral("NAZWISKO"));
    if (dane.TUSER.isOpen())
        name_->setMaxLength(dane.TUSER.field(QStringLiteral("NAZWISKO")).size());
    auto *row = new QFormLayout;
    row->addRow(QStringLiteral("KOD"), code_);
    row->addRow(QStringLiteral("IMIE i NAZWISKO"), name_);

    change_ = new QPushButton(QStringLiteral("Zmień użytkownika"), this);
    // Enter ends the typing of a name; only a click on the button changes the user.
    change_->setAutoDefault(false);
    change_->setDefault(false);
    connect(change_, &QPushButton::clicked, this, Guarded(dane.prompter(), this, &TKSIEGAF2::ZmienUzytkownikaClick));

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    layout->addWidget(DBUSER_, 1);
    layout->addLayout(row);
    layout->addWidget(change_, 0, Qt::AlignRight);
    connect(this, &QDialog::finished, this, Guarded(dane.prompter(), this, &TKSIEGAF2::FormClose));
    resize(420, 360);
}

void TKSIEGAF2::execute()
{
    exec();
}

void TKSIEGAF2::NowyUzytkownikClick()
{
    binder_.updateRecord();
    NewUser(dane_);
    // The new row is not in the grid until it is saved: no listed row may look chosen.
    DBUSER_->setCurrentIndex(QModelIndex());
    code_->setFocus();
}

void TKSIEGAF2::KasujUzytkownikaClick()
{
    binder_.updateRecord();
    DeleteUser(dane_);
}

void TKSIEGAF2::ZmienUzytkownikaClick()
{
    binder_.updateRecord();
    ChangeUser(dane_);
    close();
}

void TKSIEGAF2::FormClose()
{
    binder_.updateRecord();
    // The dialog has closed already; a row that could not be saved was reported and dropped.
    static_cast<void>(CloseUsers(dane_));
}
