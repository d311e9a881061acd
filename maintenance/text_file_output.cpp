#include "maintenance/text_file_output.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Bytes gathered before they go to the file in one write.
constexpr qsizetype ChunkSize = 64 * 1024;

} // namespace

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
    // Unbuffered, so that a short write shows in the count written: a save file forgets a
    // failure that happens while its own buffer is flushed and commits a cut file.
    failed_ = !file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return !failed_;
}

bool TextFileOutput::write(const QByteArray &bytes)
{
    pending_ += bytes;
    return pending_.size() < ChunkSize || writePending();
}

bool TextFileOutput::writePending()
{
    failed_ = failed_ || !file_ || file_->write(pending_) != pending_.size();
    pending_.clear();
    return !failed_;
}

bool TextFileOutput::finish()
{
    if (!writePending())
        return false;
    if (auto *save = qobject_cast<QSaveFile *>(file_.get())) {
        failed_ = !save->commit();
    } else {
        failed_ = !file_->flush() || file_->error() != QFileDevice::NoError;
        file_->close();
    }
    return !failed_;
}

QString FileWriteErrorText(const QString &path)
{
    return QStringLiteral("Błąd zapisu pliku : ") + path;
}
