#pragma once
// The single-byte channel of port and file output: every line encoded in Windows-1250,
// its Polish letters converted for the printer when a conversion is set, ended by CR LF.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringEncoder>

#include <optional>

class TextChannel {
public:
    explicit TextChannel(const char *codePage = "windows-1250");

    enum class Target { Device, File };
    // Empty, or why nothing can be written at all: the code page is missing.
    QString unavailable() const;
    // A device must exist and gets each line at once; a file is created or emptied. False
    // also while the channel is unavailable, before anything is created.
    bool open(const QString &path, Target target);
    // Writes out what is still buffered; false when that write failed (a full disk).
    bool close();
    bool isOpen() const { return file_.isOpen(); }
    QString path() const { return file_.fileName(); }

    // The conversion code of the letter table (30, 31, 32); none leaves Windows-1250.
    void setConversion(std::optional<int> code) { conversion_ = code; }

    // The bytes before the text (printer control codes) pass unconverted. False when the
    // line could not be written whole or the channel is closed.
    [[nodiscard]] bool writeLine(const QString &text, const QByteArray &prefix = QByteArray());
    QByteArray encode(const QString &text);

private:
    QFile file_;
    const char *codePage_;
    QStringEncoder encoder_;
    std::optional<int> conversion_;
};

// A parallel port "LPT1".."LPT3": the device /dev/lp0../dev/lp2, or the file LPT1..LPT3 in
// the folder KSIEGA_LPT_DIR names, for machines without a port and for tests.
struct PortDevice {
    QString name; // "LPT1"
    QString path;
    TextChannel::Target target;
};
PortDevice portDevice(int portIndex);
