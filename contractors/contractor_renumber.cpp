#include "contractors/contractor_renumber.h"

#include "contractors/contractor_numbers.h"
#include "core/data_module.h"
#include "core/table_access.h"
#include "platform/joint_transaction.h"
#include "platform/prompter.h"

static const QString NumberField = QStringLiteral("NR");

namespace {

// The catalogue's order and filter, put back however the renumbering ends.
class OrderKeeper {
public:
    explicit OrderKeeper(Cursor &cursor)
        : cursor_(cursor), indexName_(cursor.indexName()),
          indexFields_(cursor.indexFieldNames()), filtered_(cursor.isFiltered()),
          here_(cursor.bookmark())
    {
        cursor_.setIndexName(QString());
        if (filtered_)
            cursor_.setFiltered(false);
    }
    ~OrderKeeper()
    {
        try {
            if (!indexFields_.isEmpty())
                cursor_.setIndexFieldNames(indexFields_);
            else
                cursor_.setIndexName(indexName_);
            if (filtered_)
                cursor_.setFiltered(true);
            cursor_.gotoBookmark(here_);
        } catch (const DbError &) {
            // The order was valid a moment ago; a file gone meanwhile is reported elsewhere.
        }
    }
    OrderKeeper(const OrderKeeper &) = delete;
    OrderKeeper &operator=(const OrderKeeper &) = delete;

    const Cursor::Bookmark &here() const { return here_; }

private:
    Cursor &cursor_;
    QString indexName_;
    QString indexFields_;
    bool filtered_;
    Cursor::Bookmark here_;
};

// A description left under the old number would be lost to its contractor and shown for
// whichever contractor gets that number next. A description already under the new number
// (left there by another program) is not overwritten.
// False when a save failed.
bool moveDescription(Cursor &notes, qint64 from, qint64 to, Prompter &prompter)
{
    Cursor *master = notes.master();
    const QString masterFields = notes.masterFields();
    if (!SaveTable(notes, prompter))
        return false;
    notes.setMaster(nullptr, QString());
    const QString indexName = notes.indexName();
    notes.setIndexName(QString());
    bool moved = true;
    if (!notes.findKey({to}) && notes.findKey({from})) {
        notes.edit();
        notes.field(NumberField).setInteger(to);
        moved = SaveTable(notes, prompter);
    }
    notes.setIndexName(indexName);
    notes.setMaster(master, masterFields);
    return moved;
}

} // namespace

bool RenumberContractor(TDANE &dane, Prompter &prompter, const QString &typed)
{
    Cursor &contractors = dane.TKontrah;
    if (!contractors.isOpen() || contractors.recNo() < 0)
        return false;
    try {
        if (!SaveTable(contractors, prompter))
            return false;
        const std::optional<qint64> number = ParseContractorNumber(typed);
        if (!number) {
            prompter.warn(QStringLiteral("Błędny numer kontrahenta : ") + typed);
            return false;
        }
        const qint64 previous = contractors.field(NumberField).asInteger();
        // The contractor and his description change number in one commit.
        JointTransaction together({&contractors, &dane.TKONTRAHo});
        {
            OrderKeeper keeper(contractors);
            if (contractors.findKey({*number})) {
                prompter.inform(QStringLiteral("W katalogu kontrahentów istnieje kontrahent o tym "
                                            "numerze\rBrak możliwości zmiany."));
                return false;
            }
            contractors.gotoBookmark(keeper.here());
            contractors.edit();
            contractors.field(NumberField).setInteger(*number);
            if (!SaveTable(contractors, prompter))
                return false;
        }
        if (dane.TKONTRAHo.isOpen() && !moveDescription(dane.TKONTRAHo, previous, *number, prompter))
            return false;
        together.commit();
        return true;
    } catch (const DbError &failure) {
        if (contractors.isEditing())
            contractors.cancel();
        prompter.error(failure.message());
        return false;
    }
}
