#include "cli/command_registry.h"

void CommandRegistry::add(const QString &name, const QString &summary, CommandFunction run)
{
    m_commands.insert(name, {summary, std::move(run)});
}

const CommandEntry *CommandRegistry::find(const QString &name) const
{
    const auto found = m_commands.constFind(name);
    return found == m_commands.constEnd() ? nullptr : &found.value();
}
