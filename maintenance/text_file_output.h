#pragma once
// A text file being written whole. A regular file is replaced only once every byte is on
// disk, so a write that fails half-way (a full disk) leaves the file as it was; a device or
// pipe (a printer port, /dev/null) is written directly, since it cannot be replaced.

#include <QByteArray>
#include <QString>

#include <memory>

class QFileDevice;

class TextFileOutput {
public:
    explicit TextFileOutput(const QString &path);
    ~TextFileOutput();
    TextFileOutput(const TextFileOutput &) = delete;
    TextFileOutput &operator=(const TextFileOutput &) = delete;

    // False when the file cannot be made; every later call then fails too.
    bool open();
    bool write(const QByteArray &bytes);
    // Puts what was written in place; false when any step failed. Without it the file is
    // left as it was.
    bool finish();

private:
    bool writePending();

    QString path_;
    QByteArray pending_;
    std::unique_ptr<QFileDevice> file_;
    bool failed_ = false;
};

// "Błąd zapisu pliku : " and the file.
QString FileWriteErrorText(const QString &path);
