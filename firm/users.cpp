#include "firm/users.h"

#include "core/data_module.h"
#include "core/table_access.h"
#include "platform/prompter.h"

namespace {

Field nameField(TDANE &dane) { return dane.TUSER.field(QStringLiteral("NAZWISKO")); }
Field codeField(TDANE &dane) { return dane.TUSER.field(QStringLiteral("KOD")); }

// A row standing on a record or being typed; an empty list offers neither.
bool hasRow(Cursor &users)
{
    return users.isOpen() && (users.isEditing() || users.recNo() >= 0);
}

} // namespace

void NewUser(TDANE &dane)
{
    if (dane.TUSER.isOpen())
        dane.TUSER.append();
}

bool DeleteUser(TDANE &dane)
{
    Cursor &users = dane.TUSER;
    if (!hasRow(users))
        return false;
    if (!dane.prompter().confirm(QStringLiteral("Czy skazować użytkownika ")
                                 + nameField(dane).asString() + QLatin1Char('?')))
        return false;
    try {
        users.remove();
    } catch (const DbError &failure) {
        dane.prompter().error(failure.message());
        return false;
    }
    return true;
}

void ChangeUser(TDANE &dane)
{
    if (hasRow(dane.TUSER))
        dane.environment().userName = nameField(dane).asString();
}

bool CloseUsers(TDANE &dane)
{
    Cursor &users = dane.TUSER;
    if (users.state() == Cursor::State::Insert && codeField(dane).isNull()
        && nameField(dane).isNull()) {
        users.cancel();
        return true;
    }
    return SaveTable(users, dane.prompter());
}

int AddUser(TDANE &dane, const QString &name)
{
    Cursor &users = dane.TUSER;
    if (!users.isOpen())
        throw DbError(QStringLiteral("Baza Użytkowników nie jest otwarta."));
    users.setIndexName(QString());
    users.last();
    const int code = users.isEmpty() ? 1 : int(codeField(dane).asInteger()) + 1;
    users.append();
    try {
        codeField(dane).setInteger(code);
        nameField(dane).setAsString(name);
        users.post();
    } catch (const DbError &) {
        users.cancel();
        throw;
    }
    return code;
}

bool FindUser(TDANE &dane, int code)
{
    Cursor &users = dane.TUSER;
    if (!users.isOpen())
        return false;
    users.setIndexName(QString());
    return users.findKey({code});
}

QString OperatorPanelText(const WorkingEnvironment &environment)
{
    return environment.userName;
}
