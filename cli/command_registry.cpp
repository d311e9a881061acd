#include "cli/command_registry.h"

void CommandRegistry::add(const QString &name, const QString &summary, CommandFunction run)
{
    commands_.insert(name, {summary, std::move(run)});
}

const CommandEntry *CommandRegistry::find(const QString &name) const
{
    const auto found = commands_.constFind(name);
    return found == commands_.constEnd() ? nullptr : &found.value();
}
