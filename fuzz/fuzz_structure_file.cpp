// The structure file beside a table, as index repair reads it: any bytes may be there (a
// file cut short, edited by hand, written by another program). Reading never fails, gives
// names without spaces and field lists without padding, each within its 40 columns, and an
// index section read and written back reads the same again.

#include "fuzz_support.h"

#include "core/structure_file.h"

#include <algorithm>

namespace {

QString describe(const QList<StructureIndexLine> &indexes)
{
    QStringList lines;
    for (const StructureIndexLine &index : indexes)
        lines << QStringLiteral("[%1] [%2]").arg(index.name, index.fields);
    return lines.join(QLatin1Char('\n'));
}

bool same(const QList<StructureIndexLine> &a, const QList<StructureIndexLine> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const StructureIndexLine &x, const StructureIndexLine &y) {
                          return x.name == y.name && x.fields == y.fields;
                      });
}

TableDef definitionOf(const QList<StructureIndexLine> &indexes)
{
    TableDef definition;
    for (const StructureIndexLine &index : indexes) {
        IndexDef written;
        written.name = index.name;
        written.primary = index.name.isEmpty();
        written.fields = QStringList{index.fields};
        definition.indexes << written;
    }
    return definition;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<StructureIndexLine> indexes = readStructureIndexes(fuzzBytes(data, size));
    for (const StructureIndexLine &index : indexes) {
        FUZZ_EXPECT(!index.name.contains(QLatin1Char(' ')) && index.name.size() <= 40,
                    describe(indexes));
        FUZZ_EXPECT(index.fields.size() <= 40 && index.fields == index.fields.trimmed(),
                    describe(indexes));
    }
    // A sign the Windows-1250 page lacks was already replaced on the way in, and the
    // replacement itself has no byte of its own to be written back as.
    if (describe(indexes).contains(QChar::ReplacementCharacter))
        return 0;
    const QList<StructureIndexLine> again =
        readStructureIndexes(structureFileText(definitionOf(indexes)));
    FUZZ_EXPECT(same(again, indexes),
                describe(indexes) + QStringLiteral("\nread back as\n") + describe(again));
    return 0;
}
