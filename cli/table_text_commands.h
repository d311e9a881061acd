#pragma once
// Text export and import of any table of the data module.
//
//   export TABELA PLIK [--kolumny POLE=KOLUMNA,...]   the table's rows as tab-separated
//                                                    Windows-1250 text; prints the rows
//                                                    written
//   import TABELA PLIK                               the file's rows into the table, mapped
//                                                    by column names; prints the rows updated
//                                                    and inserted
//
// `import` is a group: the imports from the companion programs join it as commands of their
// own ("import sales ..."), and any other first word is a table for the text import.

class CommandRegistry;

void addTableTextCommands(CommandRegistry &registry);
