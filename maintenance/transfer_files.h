#pragma once
// The files of the text import and export besides the data: what the two file dialogs ask
// for, and "ImpExp.txt" in the data root, the directory both dialogs start in.

#include <QList>
#include <QString>

class Prompter;
struct WorkingEnvironment;

struct FileFilter {
    QString name;    // as the dialog lists it
    QString pattern; // "*.txt"
};

struct FileRequest {
    bool save = false;
    QString defaultName;
    QList<FileFilter> filters;
    QString directory; // empty: the dialog's own choice
};

// "export.txt", "Plik exportow" and "Wszystki pliki".
FileRequest ExportFileRequest(const QString &directory);
// "import.txt", "Plik tekstowy " and "CSV rozdzielany średnikami". Either way the file is
// read as tab-separated text.
FileRequest ImportFileRequest(const QString &directory);

// "ImpExp.txt" in the data root (the current directory when there is none).
QString TransferDirectoryFile(const WorkingEnvironment &environment);
// The directory the file names, ending in "/"; empty when the file is missing, unreadable or
// names none.
QString ReadTransferDirectory(const QString &file);
// "Zapisz katalog": the directory of `chosenFile`, up to and including its last "/", as the
// only line of the file. False after reporting a failed write.
bool SaveTransferDirectory(const QString &file, const QString &chosenFile, Prompter &prompter);
