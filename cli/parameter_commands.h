#pragma once
// Commands of the parameter record (KSIEGA.DB of the current directory): the fields the
// parameter dialogs edit.
//
//   params show                    the fields, one POLE=WARTOŚĆ a line
//   params set POLE=WARTOŚĆ ...     checks every value as the dialogs would, then stores
//                                  them all, or none when one is refused

class CommandRegistry;

void addParameterCommands(CommandRegistry &registry);
