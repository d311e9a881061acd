#pragma once
// The operators: a plain list of names in USER of the working year (`KOD`, `NAZWISKO`), and
// the current user name of the run, which every saved entry and posted month carries. There
// are no passwords: choosing a row is all it takes to work under that name.

#include <QString>

class TDANE;
struct WorkingEnvironment;

// "Nowy użytkownik": an empty row to type into.
void NewUser(TDANE &dane);

// "Kasuj użytkownika": deletes the current row after the question "Czy skazować
// użytkownika NAZWISKO?". True when a row was deleted; a table that refuses the delete is
// reported and the row stays. The current user name stays as it is even when its row goes:
// the run keeps working under the name it started with.
bool DeleteUser(TDANE &dane);

// "Zmień użytkownika": the current row's name becomes the current user name. With no row
// to take a name from, the name stays as it is.
void ChangeUser(TDANE &dane);

// Closing the users window: the row being typed is saved. A new row left untouched is
// dropped, as a grid drops a row nobody typed into, so no nameless user appears.
// False, after the message, when the row could not be saved.
[[nodiscard]] bool CloseUsers(TDANE &dane);

// A user added in one step, under the next free code; the code given. Throws DbError when
// the list is not open or the row cannot be written.
int AddUser(TDANE &dane, const QString &name);

// Stands on the user with that code; false when there is none.
bool FindUser(TDANE &dane, int code);

// What the main window's operator panel shows.
QString OperatorPanelText(const WorkingEnvironment &environment);
