#pragma once
// Commands of the firm data and the users.
//
//   firm show                      the fields of the firm window, one POLE=WARTOŚĆ a line
//   firm set POLE=WARTOŚĆ ...      sets them in the order given, completing the address as
//                                  leaving a seat-address box does, and saves
//   user list | add NAZWISKO | delete KOD
//
// The global --operator NAZWISKO works under that name for the run, as "Zmień użytkownika".

class CommandRegistry;

void addFirmCommands(CommandRegistry &registry);
