#include "ledger/windows/topiszgf.h"

#include "core/data_module.h"
#include "core/table_access.h"
#include "platform/widgets/cursor_navigator.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

TOPISZGF::TOPISZGF(TDANE &dane, QWidget *parent)
    : QDialog(parent),
      dane_(dane),
      model_(dane.TOPISZG, {{QStringLiteral("NAZWA"), QStringLiteral("Opis zdarzenia gospodarczego"), {}}}),
      binder_(dane.TOPISZG, dane.prompter())
{
    setObjectName(QStringLiteral("TOPISZGF"));
    setWindowTitle(QStringLiteral("Słownik - opis zdarzenia gospodarczego"));
    auto *layout = new QVBoxLayout(this);
    navigator_ = new CursorNavigator(dane.TOPISZG, dane.prompter(),
                                     CursorNavigator::First | CursorNavigator::Last
                                         | CursorNavigator::Insert | CursorNavigator::Delete
                                         | CursorNavigator::Post | CursorNavigator::Cancel,
                                     this);
    layout->addWidget(navigator_);
    DBOPIS_ = new QTableView(this);
    DBOPIS_->setObjectName(QStringLiteral("DBOPIS"));
    DBOPIS_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    followCursor(DBOPIS_, &model_, dane.prompter());
    DBOPIS_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(DBOPIS_);
    layout->addWidget(new QLabel(QStringLiteral("Opis :"), this));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("NAZWA"));
    binder_.bindLineEdit(name_, QStringLiteral("NAZWA"));
    layout->addWidget(name_);
    resize(420, 420);
}

void TOPISZGF::execute()
{
    exec();
    FormClose();
}

void TOPISZGF::FormClose()
{
    binder_.updateRecord();
    // The dictionary has closed; a change that could not be saved was reported and dropped.
    static_cast<void>(SaveTable(dane_.TOPISZG, dane_.prompter()));
}
