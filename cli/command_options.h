#pragma once
// The one reader of ksiega-cli's options: the program's own before the command and each
// command's after its name. The rules are the same everywhere:
//   --name value  and  --name=value   both give a value;
//   names are taken exactly as declared, so neither a longer nor a shorter word is an option;
//   "--" ends the options, every word after it is an ordinary word;
//   a word starting with "--" that names no option, a value option with nothing (or nothing
//   but an empty text) after it, a flag given a value and a required option left out are
//   usage errors, each with its one Polish message.
// Words that do not start with "--" ("-5", "NR=1") are ordinary words.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct OptionUse {
    QString name;             // as declared
    QString value;            // empty for a flag
    bool desktopForm = false; // written the desktop program's way ("dr=DIR", "rok YYYY")
};

struct ParsedOptions {
    QList<OptionUse> uses; // in the order given
    QStringList words;     // the words that are not options, in order
    QString error;         // Polish, for the user; empty when the words are good

    bool ok() const { return error.isEmpty(); }
    bool isSet(const QString &name) const;
    std::optional<QString> value(const QString &name) const; // the last one given
};

class CommandOptions {
public:
    CommandOptions &flag(const QString &name, const QString &help);
    // `valueName` stands for the value in the usage line and the help ("PLIK", "RRRR").
    CommandOptions &value(const QString &name, const QString &valueName, const QString &help);
    // The option declared last must be given.
    CommandOptions &required();
    // The option declared last is enough on its own: when it is given, the required ones
    // need not be (--help).
    CommandOptions &standsAlone();
    // The option declared last may be given an empty value ("--answers=").
    CommandOptions &emptyAllowed();
    // The option declared last may also be written as the desktop program takes it, in
    // either case: a form ending in "=" carries the value in the same word ("dr=DIR"),
    // another takes the next word ("rok YYYY").
    CommandOptions &desktopForm(const QString &form);
    // The first ordinary word ends the options and it and every word after it are left as
    // they are: the program's options end where the command's name begins.
    CommandOptions &endAtFirstWord();

    ParsedOptions parse(const QStringList &words) const;

    bool isEmpty() const { return options_.isEmpty(); }
    // "--pdf PLIK" for a required option, "[--pdf PLIK]" for another, separated by spaces.
    QString synopsis() const;
    // One line an option, its form and its help in two columns.
    QString help() const;

private:
    struct Option {
        QString name;
        QString valueName; // empty for a flag
        QString help;
        bool required = false;
        bool standsAlone = false;
        bool emptyAllowed = false;
        QString desktopForm = {};
    };

    const Option *find(const QString &name) const;
    const Option *findDesktopForm(const QString &word) const;

    QList<Option> options_;
    bool endAtFirstWord_ = false;
};
