#include "cli/command_options.h"

#include <algorithm>

namespace {

const QLatin1String OptionPrefix("--");

QString unknownOption(const QString &written)
{
    return QStringLiteral("Nieznana opcja: %1").arg(written);
}

QString valueMissing(const QString &written)
{
    return QStringLiteral("Opcja %1 wymaga wartości.").arg(written);
}

QString valueNotTaken(const QString &written)
{
    return QStringLiteral("Opcja %1 nie przyjmuje wartości.").arg(written);
}

QString optionMissing(const QString &form)
{
    return QStringLiteral("Polecenie wymaga opcji %1.").arg(form);
}

} // namespace

bool ParsedOptions::isSet(const QString &name) const
{
    return std::any_of(uses.cbegin(), uses.cend(),
                       [&](const OptionUse &use) { return use.name == name; });
}

std::optional<QString> ParsedOptions::value(const QString &name) const
{
    const auto last = std::find_if(uses.crbegin(), uses.crend(),
                                   [&](const OptionUse &use) { return use.name == name; });
    return last == uses.crend() ? std::nullopt : std::optional<QString>(last->value);
}

CommandOptions &CommandOptions::flag(const QString &name, const QString &help)
{
    options_.append({name, QString(), help});
    return *this;
}

CommandOptions &CommandOptions::value(const QString &name, const QString &valueName,
                                      const QString &help)
{
    options_.append({name, valueName, help});
    return *this;
}

CommandOptions &CommandOptions::required()
{
    options_.last().required = true;
    return *this;
}

CommandOptions &CommandOptions::standsAlone()
{
    options_.last().standsAlone = true;
    return *this;
}

CommandOptions &CommandOptions::emptyAllowed()
{
    options_.last().emptyAllowed = true;
    return *this;
}

CommandOptions &CommandOptions::desktopForm(const QString &form)
{
    options_.last().desktopForm = form;
    return *this;
}

CommandOptions &CommandOptions::endAtFirstWord()
{
    endAtFirstWord_ = true;
    return *this;
}

const CommandOptions::Option *CommandOptions::find(const QString &name) const
{
    const auto found = std::find_if(options_.cbegin(), options_.cend(),
                                    [&](const Option &option) { return option.name == name; });
    return found == options_.cend() ? nullptr : &*found;
}

const CommandOptions::Option *CommandOptions::findDesktopForm(const QString &word) const
{
    for (const Option &option : options_) {
        const QString &form = option.desktopForm;
        if (form.isEmpty())
            continue;
        const bool joined = form.endsWith(QLatin1Char('='));
        if (joined ? word.startsWith(form, Qt::CaseInsensitive)
                   : word.compare(form, Qt::CaseInsensitive) == 0)
            return &option;
    }
    return nullptr;
}

ParsedOptions CommandOptions::parse(const QStringList &words) const
{
    ParsedOptions result;
    for (qsizetype at = 0; at < words.size(); ++at) {
        const QString &word = words.at(at);
        if (word == OptionPrefix) {
            result.words += words.mid(at + 1);
            break;
        }

        const Option *option = findDesktopForm(word);
        const bool desktop = option != nullptr;
        QString written;
        std::optional<QString> value;
        if (desktop) {
            const bool joined = option->desktopForm.endsWith(QLatin1Char('='));
            written = word.left(option->desktopForm.size());
            if (joined)
                value = word.mid(written.size());
            else if (at + 1 < words.size())
                value = words.at(++at);
        } else if (word.startsWith(OptionPrefix)) {
            const qsizetype equals = word.indexOf(QLatin1Char('='));
            written = word.left(equals);
            option = find(written.mid(OptionPrefix.size()));
            if (!option) {
                result.error = unknownOption(written);
                return result;
            }
            if (equals >= 0)
                value = word.mid(equals + 1);
            else if (!option->valueName.isEmpty() && at + 1 < words.size())
                value = words.at(++at);
        } else if (endAtFirstWord_) {
            result.words += words.mid(at);
            break;
        } else {
            result.words.append(word);
            continue;
        }

        if (option->valueName.isEmpty()) {
            if (value) {
                result.error = valueNotTaken(written);
                return result;
            }
        } else if (!value || (value->isEmpty() && !option->emptyAllowed)) {
            result.error = valueMissing(written);
            return result;
        }
        result.uses.append({option->name, value.value_or(QString()), desktop});
    }
    const bool alone = std::any_of(options_.cbegin(), options_.cend(), [&](const Option &option) {
        return option.standsAlone && result.isSet(option.name);
    });
    for (const Option &option : options_) {
        if (option.required && !alone && !result.isSet(option.name)) {
            result.error =
                optionMissing(OptionPrefix + option.name + QLatin1Char(' ') + option.valueName);
            return result;
        }
    }
    return result;
}

QString CommandOptions::synopsis() const
{
    QStringList forms;
    for (const Option &option : options_) {
        QString form = OptionPrefix + option.name;
        if (!option.valueName.isEmpty())
            form += QLatin1Char(' ') + option.valueName;
        forms.append(option.required ? form : QLatin1Char('[') + form + QLatin1Char(']'));
    }
    return forms.join(QLatin1Char(' '));
}

QString CommandOptions::help() const
{
    QStringList forms;
    for (const Option &option : options_)
        forms.append(option.valueName.isEmpty()
                         ? OptionPrefix + option.name
                         : OptionPrefix + option.name + QLatin1Char(' ') + option.valueName);
    qsizetype width = 0;
    for (const QString &form : forms)
        width = std::max(width, form.size());
    QString text;
    for (qsizetype i = 0; i < options_.size(); ++i)
        text += QStringLiteral("  %1  %2\n").arg(forms.at(i), -int(width)).arg(options_.at(i).help);
    return text;
}
