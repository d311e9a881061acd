#pragma once
// The options ksiega-cli takes before its command. They mirror what the desktop program
// is started with, so the same "dr=DIR" and "rok YYYY" work in scripts written for either.

#include "cli/command_options.h"
#include "core/start_arguments.h"
#include "platform/prompter.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct GlobalOptions {
    StartArguments start;
    std::optional<QString> month;        // "01".."13"
    std::optional<QString> operatorName;
    QList<Answer> answers;               // for the questions, in the order they come
    bool version = false;
    bool help = false;
    QStringList command;                 // the command's name and its own arguments
};

struct GlobalOptionsResult {
    GlobalOptions options;
    QString error;                       // Polish, for the user; empty when the line is good

    bool ok() const { return error.isEmpty(); }
};

// The options as the usage text lists them.
const CommandOptions &globalOptionList();

// args without the program name. Options come before the command in any order, the last of
// a repeated option wins; the first word that is not an option starts the command.
GlobalOptionsResult parseGlobalOptions(const QStringList &args);
