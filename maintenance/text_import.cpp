#include "maintenance/text_import.h"

#include "core/table_access.h"
#include "core/whole_table_view.h"
#include "ledger/table_guards.h"
#include "maintenance/tab_separated_text.h"
#include "platform/cursor.h"
#include "platform/field_values.h"
#include "platform/progress.h"
#include "platform/prompter.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The progress bar's length whatever the file's.
constexpr int ImportProgressSteps = 720;

const QString AutomaticNumber = QStringLiteral("AUTO");

std::optional<QByteArray> readFile(const QString &file, Prompter &prompter)
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        prompter.error(QStringLiteral("Błąd otwarcia pliku : ") + file);
        return std::nullopt;
    }
    QByteArray bytes = input.readAll();
    if (input.error() != QFileDevice::NoError) {
        prompter.error(QStringLiteral("Błąd odczytu pliku : ") + file);
        return std::nullopt;
    }
    return bytes;
}

// Nothing, after its message, on a system without the code page.
std::optional<TabSeparatedText> decode(const QByteArray &bytes, Prompter &prompter)
{
    try {
        return ReadTabSeparatedText(bytes);
    } catch (const DbError &failure) {
        prompter.error(failure.message());
        return std::nullopt;
    }
}

bool confirmCoding(const QByteArray &bytes, const QString &file, Prompter &prompter)
{
    const TextCoding coding = GuessTextCoding(bytes);
    if (coding == TextCoding::Windows1250)
        return true;
    const QString looks = coding == TextCoding::Utf8 ? QStringLiteral(" (wygląda na zapisany w UTF-8)")
                                                     : QString();
    return prompter.confirm(QStringLiteral("Plik %1 nie jest tekstem w kodzie Windows-1250%2.\r"
                                           "Polskie litery zostaną odczytane błędnie.\r"
                                           "Czy mimo to importować dane?")
                                .arg(file, looks));
}

// Where in the mapping each primary key field's value is, in the index's order.
QList<int> keyPositions(const Cursor &table, const TransferMapping &mapping)
{
    QList<int> positions;
    const IndexDef *primary = table.definition().primaryIndex();
    if (!primary)
        return positions;
    for (const QString &field : primary->fields)
        for (int i = 0; i < mapping.size(); ++i)
            if (mapping[i].key && mapping[i].fieldName.compare(field, Qt::CaseInsensitive) == 0)
                positions << i;
    return positions;
}

bool written(const MappingRow &row)
{
    return !row.fieldName.isEmpty() && HasFileColumn(row)
           && row.fieldName.compare(AutomaticNumber, Qt::CaseInsensitive) != 0;
}

// One line of the file into the table. Throws DbError; `column` then names the mapping row
// whose value did not convert, or -1 when the failure was another.
class LineImport {
public:
    LineImport(Cursor &table, const TransferMapping &mapping)
        : table_(table), mapping_(mapping), keys_(keyPositions(table, mapping))
    {
    }

    // True when the key was found and the row updated, false when one was inserted; nothing
    // when the save failed (reported by the save).
    std::optional<bool> run(const QStringList &values, Prompter &prompter)
    {
        column = -1;
        QVariantList key;
        for (const int position : keys_) {
            column = position;
            key << storedFromText(table_.field(mapping_[position].fieldName).definition(),
                                  values.value(position));
        }
        column = -1;
        const bool found = !keys_.isEmpty() && table_.findKey(key);
        if (found)
            table_.edit();
        else
            table_.append();
        for (int i = 0; i < mapping_.size() && i < values.size(); ++i) {
            if (!written(mapping_[i]))
                continue;
            column = i;
            table_.field(mapping_[i].fieldName).setAsString(values[i]);
        }
        column = -1;
        if (!SaveTable(table_, prompter))
            return std::nullopt;
        return found;
    }

    int column = -1;

private:
    Cursor &table_;
    const TransferMapping &mapping_;
    QList<int> keys_;
};

QString stopText(const TabSeparatedLine &line, const QString &file, const QString &why)
{
    return QStringLiteral("Import przerwano w wierszu %1 pliku %2:\r%3").arg(line.number).arg(file, why);
}

QString keptText(int rows)
{
    return QStringLiteral("\rWiersze zaimportowane przed nim pozostają w tabeli: %1.\r"
                          "Plik nie zmienił nazwy: po poprawieniu można go zaimportować ponownie.")
        .arg(rows);
}

} // namespace

std::optional<TransferMapping> MapImportFile(const Cursor &table, const QString &file,
                                             Prompter &prompter)
{
    const std::optional<QByteArray> bytes = readFile(file, prompter);
    if (!bytes)
        return std::nullopt;
    if (bytes->trimmed().isEmpty()) {
        prompter.error(QStringLiteral("Plik %1 jest pusty.").arg(file));
        return std::nullopt;
    }
    const std::optional<TabSeparatedText> first = decode(bytes->left(bytes->indexOf('\n')), prompter);
    if (!first)
        return std::nullopt;
    const QStringList &header = first->header;
    if (std::none_of(header.cbegin(), header.cend(),
                     [](const QString &name) { return !name.trimmed().isEmpty(); })) {
        prompter.error(QStringLiteral("Plik %1 nie ma wiersza nagłówka z nazwami kolumn.").arg(file));
        return std::nullopt;
    }
    return ImportMapping(table, header);
}

std::optional<ImportCounts> ImportTable(Cursor &table, const TransferMapping &mapping,
                                        const QString &file, Progress &progress,
                                        Prompter &prompter)
{
    const QStringList missing = MissingKeyColumns(mapping);
    if (!missing.isEmpty()) {
        prompter.error(QStringLiteral("W pliku %1 brak kolumny pola klucza: %2.\r"
                                      "Import danych nie jest możliwy.")
                           .arg(file, missing.join(QStringLiteral(", "))));
        return std::nullopt;
    }
    const std::optional<QByteArray> bytes = readFile(file, prompter);
    if (!bytes || !confirmCoding(*bytes, file, prompter))
        return std::nullopt;
    const std::optional<TabSeparatedText> text = decode(*bytes, prompter);
    if (!text || !SaveTable(table, prompter))
        return std::nullopt;

    ImportCounts counts;
    QString stopped;
    try {
        const FrozenView frozen(table);
        const WholeTableView whole(table);
        TableTransaction transaction(table);
        LineImport import(table, mapping);
        progress.start(QStringLiteral("Import danych"), ImportProgressSteps);
        for (const TabSeparatedLine &line : text->lines) {
            progress.step();
            std::optional<bool> updated;
            try {
                updated = import.run(line.values, prompter);
            } catch (const DbError &failure) {
                if (table.isEditing())
                    table.cancel();
                const QString why = import.column < 0
                                        ? failure.message()
                                        : QStringLiteral("kolumna „%1”, wartość „%2”.\r%3")
                                              .arg(mapping[import.column].fileColumn,
                                                   line.values.value(import.column), failure.message());
                stopped = stopText(line, file, why);
                break;
            }
            if (!updated) {
                stopped = stopText(line, file, QStringLiteral("wiersza nie zapisano."));
                break;
            }
            ++(*updated ? counts.updated : counts.inserted);
        }
        progress.stop();
        transaction.commit();
    } catch (const DbError &failure) {
        progress.stop();
        prompter.error(stopped + (stopped.isEmpty() ? QString() : QStringLiteral("\r"))
                       + QStringLiteral("Błąd zapisu\r%1\rNie zaimportowano żadnego wiersza z pliku %2.")
                             .arg(failure.message(), file));
        return std::nullopt;
    }
    if (!stopped.isEmpty()) {
        prompter.error(stopped + keptText(counts.updated + counts.inserted));
        return std::nullopt;
    }

    const QString renamed = ImportedFileName(file);
    QFile::remove(renamed);
    if (!QFile::rename(file, renamed)) {
        prompter.error(QStringLiteral("Dane z pliku %1 zaimportowano (zaktualizowano wierszy: %2, "
                                      "dodano: %3), ale nie udało się zmienić jego nazwy na %4.\r"
                                      "Usuń plik lub zmień jego nazwę, aby nie zaimportować go ponownie.")
                           .arg(file)
                           .arg(counts.updated)
                           .arg(counts.inserted)
                           .arg(renamed));
        return std::nullopt;
    }
    return counts;
}

QString ImportedFileName(const QString &file)
{
    const QFileInfo info(file);
    return info.path() + QStringLiteral("/z") + info.fileName();
}
