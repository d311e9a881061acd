#include "maintenance/text_file_output.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

TextFileOutput::TextFileOutput(const QString &path) : path_(path) {}

// An unfinished save file takes its temporary copy with it.
TextFileOutput::~TextFileOutput() = default;

bool TextFileOutput::open()
{
    const QFileInfo target(path_);
    // Replacing a device would put a regular file in its place.
    if (target.exists() && !target.isFile() && !target.isDir())
        file_ = std::make_unique<QFile>(path_);
    else
        file_ = std::make_unique<QSaveFile>(path_);
    failed_ = !file_->open(QIODevice::WriteOnly);
    return !failed_;
}

bool TextFileOutput::write(const QByteArray &bytes)
{
    failed_ = failed_ || !file_ || file_->write(bytes) != bytes.size();
    return !failed_;
}

bool TextFileOutput::finish()
{
    if (failed_ || !file_)
        return false;
    if (auto *save = qobject_cast<QSaveFile *>(file_.get()))
        failed_ = !save->commit();
    else
        failed_ = !file_->flush() || file_->error() != QFileDevice::NoError;
    file_->close();
    return !failed_;
}

QString FileWriteErrorText(const QString &path)
{
    return QStringLiteral("Błąd zapisu pliku : ") + path;
}
