#include "maintenance/text_export.h"

#include "core/table_access.h"
#include "ledger/table_guards.h"
#include "maintenance/tab_separated_text.h"
#include "maintenance/text_file_output.h"
#include "platform/progress.h"
#include "platform/prompter.h"

namespace {

constexpr int LossyLinesNamed = 10;

QString lossyWarning(const QString &file, const QList<int> &lines)
{
    QStringList numbers;
    for (const int line : lines.mid(0, LossyLinesNamed))
        numbers << QString::number(line);
    if (lines.size() > LossyLinesNamed)
        numbers << QStringLiteral("…");
    return QStringLiteral("Znaki, których nie ma w kodzie Windows-1250, zapisano w pliku %1 jako "
                          "„?” (wiersze pliku: %2).")
        .arg(file, numbers.join(QStringLiteral(", ")));
}

} // namespace

std::optional<int> ExportTable(Cursor &table, const TransferMapping &mapping, const QString &file,
                               Progress &progress, Prompter &prompter)
{
    if (!SaveTable(table, prompter))
        return std::nullopt;
    QList<int> fields;
    QStringList header;
    for (const MappingRow &row : mapping) {
        if (HasFileColumn(row) && table.hasField(row.fieldName)) {
            fields << table.fieldIndex(row.fieldName);
            header << row.fileColumn;
        }
    }

    TextFileOutput output(file);
    QList<int> lossyLines;
    int rows = 0;
    bool written = false;
    try {
        TabSeparatedLineWriter writer;
        int line = 0;
        auto writeLine = [&](const QStringList &values) {
            bool lossy = false;
            const bool done = output.write(writer.line(values, lossy));
            if (lossy)
                lossyLines << line + 1;
            ++line;
            return done;
        };
        written = output.open() && writeLine(header);
        const FrozenView frozen(table);
        const Cursor::Bookmark here = table.bookmark();
        progress.start(QStringLiteral("Export danych"), table.recordCount());
        for (table.first(); written && !table.eof(); table.next()) {
            QStringList values;
            for (const int field : fields)
                values << table.field(field).asString();
            written = writeLine(values);
            ++rows;
            progress.step();
        }
        progress.stop();
        table.gotoBookmark(here);
    } catch (const DbError &failure) {
        progress.stop();
        prompter.error(failure.message());
        return std::nullopt;
    }
    if (!written || !output.finish()) {
        prompter.error(FileWriteErrorText(file));
        return std::nullopt;
    }
    if (!lossyLines.isEmpty())
        prompter.warn(lossyWarning(file, lossyLines));
    return rows;
}
