#include "print/text_channel.h"

#include "platform/code_pages.h"
#include "print/polish_letters.h"

#include <QDir>

TextChannel::TextChannel(const char *codePage) : codePage_(codePage), encoder_(codePage) {}

QString TextChannel::unavailable() const
{
    return encoder_.isValid() ? QString() : MissingCodePageMessage(codePage_);
}

bool TextChannel::open(const QString &path, Target target)
{
    close();
    if (!encoder_.isValid())
        return false;
    file_.setFileName(path);
    // A missing device must not turn into a plain file in /dev.
    const QIODevice::OpenMode mode =
        target == Target::Device
            ? QIODevice::WriteOnly | QIODevice::ExistingOnly | QIODevice::Unbuffered
            : QIODevice::WriteOnly | QIODevice::Truncate;
    return file_.open(mode);
}

bool TextChannel::close()
{
    if (!file_.isOpen())
        return true;
    const bool written = file_.flush();
    file_.close();
    return written;
}

QByteArray TextChannel::encode(const QString &text)
{
    const QByteArray encoded = encoder_.encode(text);
    return conversion_ ? ConvertPolishLetters(encoded, *conversion_) : encoded;
}

bool TextChannel::writeLine(const QString &text, const QByteArray &prefix)
{
    if (!file_.isOpen())
        return false;
    const QByteArray line = prefix + encode(text) + QByteArrayLiteral("\r\n");
    return file_.write(line) == line.size();
}

PortDevice portDevice(int portIndex)
{
    const QString name = QStringLiteral("LPT%1").arg(portIndex + 1);
    const QString folder = qEnvironmentVariable("KSIEGA_LPT_DIR");
    if (!folder.isEmpty())
        return {name, QDir(folder).filePath(name), TextChannel::Target::File};
    return {name, QStringLiteral("/dev/lp%1").arg(portIndex), TextChannel::Target::Device};
}
