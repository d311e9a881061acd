// The reachable set of a cursor: which records it can reach, in which order, and how a key
// is found among them. The list is rebuilt by one ordered query whenever the order, range,
// filter or master record changes; between rebuilds it is kept in step with this cursor's
// own writes by placing each written record with a binary search over the index key.

#include "platform/cursor.h"

#include "platform/field_values.h"
#include "platform/sqlite_db.h"
#include "platform/table_schema.h"

#include <QScopedValueRollback>

namespace {

QString notFound(const QString &what, const QString &table)
{
    return QStringLiteral("%1 nie istnieje w tabeli %2.").arg(what, table);
}

} // namespace

// ---- order ------------------------------------------------------------------------------

Cursor::Order Cursor::resolveOrder() const
{
    Order order;
    const IndexDef *index = nullptr;
    if (!indexFieldNames_.isEmpty()) {
        order.fields = splitFieldList(indexFieldNames_);
        for (const IndexDef &candidate : definition_.indexes) {
            if (candidate.fields.size() < order.fields.size())
                continue;
            bool leading = true;
            for (int i = 0; i < order.fields.size(); ++i)
                leading = leading
                          && candidate.fields[i].compare(order.fields[i], Qt::CaseInsensitive) == 0;
            if (leading && (!index || candidate.fields.size() < index->fields.size()))
                index = &candidate;
        }
    } else if (!indexName_.isEmpty()) {
        index = definition_.findIndex(indexName_);
        if (!index)
            throw DbError(notFound(QStringLiteral("Indeks ") + indexName_, name_));
        order.fields = index->fields;
    } else if ((index = definition_.primaryIndex())) {
        order.fields = index->fields;
    }
    order.descending = index && index->descending;
    for (const QString &fieldName : order.fields) {
        const int column = definition_.fieldIndex(fieldName);
        if (column < 0)
            throw DbError(notFound(QStringLiteral("Pole ") + fieldName, name_));
        order.columns << column;
        order.cases << (index && index->caseInsensitive ? LetterCase::Insensitive
                                                        : LetterCase::Sensitive);
    }
    return order;
}

QStringList Cursor::keyFields() const
{
    return order_.fields;
}

QString Cursor::columnTerm(int column, LetterCase letterCase) const
{
    const FieldDef &field = definition_.fields[column];
    QString term = quoteIdentifier(field.name);
    const QString collation = collationFor(field.type, letterCase == LetterCase::Insensitive);
    if (!collation.isEmpty())
        term += QStringLiteral(" COLLATE ") + collation;
    return term;
}

QString Cursor::orderByClause() const
{
    QStringList terms;
    for (int i = 0; i < order_.columns.size(); ++i)
        terms << columnTerm(order_.columns[i], order_.cases[i])
                     + (order_.descending ? QStringLiteral(" DESC") : QString());
    terms << QStringLiteral("rowid");
    return terms.join(QStringLiteral(", "));
}

// "key not before `values`" (lower) or "key not after `values`" (upper) in index order, as
// one row-value comparison that SQLite answers from the index. The collation goes on the
// bound values: that is the form in which SQLite still searches the index.
QString Cursor::tupleBound(const QVariantList &values, bool lower, QVariantList &bindings) const
{
    QStringList columns;
    QStringList placeholders;
    for (int i = 0; i < values.size(); ++i) {
        const FieldDef &field = definition_.fields[order_.columns[i]];
        columns << quoteIdentifier(field.name);
        const QString collation =
            collationFor(field.type, order_.cases[i] == LetterCase::Insensitive);
        placeholders << (collation.isEmpty() ? QStringLiteral("?")
                                             : QStringLiteral("? COLLATE ") + collation);
        bindings << values[i];
    }
    const bool notBefore = lower != order_.descending;
    return QStringLiteral("(%1) %2 (%3)")
        .arg(columns.join(QStringLiteral(", ")),
             notBefore ? QStringLiteral(">=") : QStringLiteral("<="),
             placeholders.join(QStringLiteral(", ")));
}

// A case-sensitive Polish text equals only the very same text, so the plain comparison says
// the same: with both, SQLite finds the rows through our Polish index or through the plain
// one a companion program made on its own table, instead of reading the whole table.
QString Cursor::equalityTerm(int column, LetterCase letterCase, const QVariant &value,
                             QVariantList &bindings) const
{
    const FieldDef &field = definition_.fields[column];
    const QString ordered = columnTerm(column, letterCase) + QStringLiteral(" = ?");
    bindings << value;
    if (letterCase == LetterCase::Insensitive || collationFor(field.type, false).isEmpty())
        return ordered;
    bindings << value;
    return QStringLiteral("(%1 AND %2 = ?)").arg(ordered, quoteIdentifier(field.name));
}

QString Cursor::whereClause(QVariantList &bindings) const
{
    QStringList conditions;
    if (master_) {
        if (!linkValues_)
            return QStringLiteral("0");
        for (int i = 0; i < linkValues_->size() && i < order_.columns.size(); ++i) {
            if (!(*linkValues_)[i].isValid()) {
                conditions << quoteIdentifier(definition_.fields[order_.columns[i]].name)
                                  + QStringLiteral(" IS NULL");
                continue;
            }
            conditions << equalityTerm(order_.columns[i], order_.cases[i], (*linkValues_)[i], bindings);
        }
    }
    if (range_) {
        const QVariantList start = convertKey(range_->start);
        const QVariantList end = convertKey(range_->end);
        if (start.size() == end.size() && compareKeys(start, end, int(start.size())) == 0) {
            for (int i = 0; i < start.size(); ++i) {
                if (!start[i].isValid()) {
                    conditions << quoteIdentifier(definition_.fields[order_.columns[i]].name)
                                      + QStringLiteral(" IS NULL");
                    continue;
                }
                conditions << equalityTerm(order_.columns[i], order_.cases[i], start[i], bindings);
            }
        } else {
            if (!start.isEmpty())
                conditions << tupleBound(start, true, bindings);
            if (!end.isEmpty())
                conditions << tupleBound(end, false, bindings);
        }
    }
    if (filtered_ && filterHook_ && filterHint_) {
        for (const auto &[fieldName, value] : filterHint_()) {
            const int column = definition_.fieldIndex(fieldName);
            if (column < 0)
                throw DbError(notFound(QStringLiteral("Pole ") + fieldName, name_));
            const QVariant stored = storedFromValue(definition_.fields[column], value);
            if (!stored.isValid()) {
                conditions << quoteIdentifier(definition_.fields[column].name)
                                  + QStringLiteral(" IS NULL");
                continue;
            }
            conditions << quoteIdentifier(definition_.fields[column].name) + QStringLiteral(" = ?");
            bindings << stored;
        }
    }
    return conditions.join(QStringLiteral(" AND "));
}

QString Cursor::reachableSql(bool withFields, QVariantList &bindings) const
{
    const QString where = whereClause(bindings);
    return QStringLiteral("SELECT rowid%1 FROM %2%3 ORDER BY %4")
        .arg(withFields ? QStringLiteral(", ") + selectColumns() : QString(), tableSql(),
             where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where, orderByClause());
}

void Cursor::rebuildRows(std::optional<qint64> keep)
{
    const bool filtering = filtered_ && bool(filterHook_);
    QVariantList bindings;
    const QString sql = reachableSql(filtering, bindings);
    std::vector<qint64> rows;
    {
        StatementScope statement(connection_->cached(sql));
        statement->bindAll(bindings);
        QScopedValueRollback<Statement *> scanning(scan_, filtering ? &*statement : nullptr);
        while (statement->step())
            if (!filtering || filterHook_(*this))
                rows.push_back(statement->columnInt64(0));
    }
    rows_ = std::move(rows);
    readAhead_.clear();
    lastVisited_ = -1;
    position_ = rows_.empty() ? -1 : 0;
    if (keep) {
        const auto at = std::find(rows_.begin(), rows_.end(), *keep);
        if (at != rows_.end())
            position_ = int(at - rows_.begin());
    }
    bof_ = position_ <= 0;
    eof_ = rows_.empty();
    if (!controlsDisabled())
        emit rowsReset();
}

void Cursor::scan(const std::function<void(Cursor &)> &visit)
{
    checkOpen();
    const bool filtering = filtered_ && bool(filterHook_);
    QVariantList bindings;
    StatementScope statement(connection_->cached(reachableSql(true, bindings)));
    statement->bindAll(bindings);
    QScopedValueRollback<Statement *> scanning(scan_, &*statement);
    while (statement->step())
        if (!filtering || filterHook_(*this))
            visit(*this);
}

// ---- keys -------------------------------------------------------------------------------

QVariantList Cursor::convertKey(const QVariantList &values) const
{
    QVariantList key;
    for (int i = 0; i < values.size() && i < order_.columns.size(); ++i)
        key << storedFromValue(definition_.fields[order_.columns[i]], values[i]);
    return key;
}

QVariantList Cursor::keyOf(qint64 rowid)
{
    // A walk has its neighbours read ahead already: no query for them.
    if (const auto cached = readAhead_.constFind(rowid); cached != readAhead_.cend())
        return keyOf(Record{rowid, cached.value(), {}, {}});
    if (!keyStatement_)
        return {};
    StatementScope statement(*keyStatement_);
    statement->bind(1, rowid);
    QVariantList key;
    const bool found = statement->step();
    for (int i = 0; i < order_.columns.size(); ++i)
        key << (found ? statement->column(i) : QVariant());
    return key;
}

QVariantList Cursor::keyOf(const Record &record) const
{
    QVariantList key;
    for (int column : order_.columns)
        key << record.values[column];
    return key;
}

int Cursor::compareKeys(const QVariantList &a, const QVariantList &b, int fields) const
{
    for (int i = 0; i < fields && i < a.size() && i < b.size(); ++i) {
        int result = compareStored(a[i], b[i], order_.cases[i]);
        if (order_.descending)
            result = -result;
        if (result != 0)
            return result;
    }
    return 0;
}

int Cursor::lowerBound(const QVariantList &key, int fields)
{
    int low = 0;
    int high = int(rows_.size());
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (compareKeys(keyOf(rows_[middle]), key, fields) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

void Cursor::setOrder(const Order &order)
{
    order_ = order;
    prepareStatements();
}

// Whether a record written at `position` still sorts between its neighbours, as it does
// whenever its key did not change: then the list needs no reshuffle.
bool Cursor::keepsPlace(int position, const Record &record)
{
    if (order_.columns.isEmpty())
        return true;
    const QVariantList key = keyOf(record);
    const int fields = int(key.size());
    if (position > 0) {
        const int result = compareKeys(keyOf(rows_[position - 1]), key, fields);
        if (result > 0 || (result == 0 && rows_[position - 1] > record.rowid))
            return false;
    }
    if (position + 1 < int(rows_.size())) {
        const int result = compareKeys(key, keyOf(rows_[position + 1]), fields);
        if (result > 0 || (result == 0 && record.rowid > rows_[position + 1]))
            return false;
    }
    return true;
}

int Cursor::placeFor(const Record &record)
{
    if (order_.columns.isEmpty())
        return int(std::lower_bound(rows_.begin(), rows_.end(), record.rowid) - rows_.begin());
    const QVariantList key = keyOf(record);
    const int fields = int(key.size());
    // Records are mostly added at the end of their order: try there first.
    if (!rows_.empty()) {
        const int result = compareKeys(keyOf(rows_.back()), key, fields);
        if (result < 0 || (result == 0 && rows_.back() < record.rowid))
            return int(rows_.size());
    }
    int low = 0;
    int high = int(rows_.size());
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const int result = compareKeys(keyOf(rows_[middle]), key, fields);
        if (result < 0 || (result == 0 && rows_[middle] < record.rowid))
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

// ---- public: order, range, filter, master, search ----------------------------------------

void Cursor::setIndexName(const QString &name)
{
    changeOrder(name, QString());
}

void Cursor::setIndexFieldNames(const QString &fieldList)
{
    changeOrder(QString(), fieldList);
}

// A new order keeps the current record; an order that does not exist changes nothing.
void Cursor::changeOrder(const QString &indexName, const QString &fieldList)
{
    if (isOpen())
        checkBrowseMode();
    const QString previousName = indexName_;
    const QString previousFields = indexFieldNames_;
    indexName_ = indexName;
    indexFieldNames_ = fieldList;
    if (!isOpen())
        return;
    try {
        setOrder(resolveOrder());
    } catch (const DbError &) {
        indexName_ = previousName;
        indexFieldNames_ = previousFields;
        throw;
    }
    rebuildRows(position_ >= 0 ? std::optional<qint64>(current_.rowid) : std::nullopt);
    loadCurrent();
}

void Cursor::setRange(const QVariantList &start, const QVariantList &end)
{
    checkOpen();
    checkBrowseMode();
    if (order_.columns.isEmpty())
        throw DbError(QStringLiteral("Zakres wymaga indeksu (tabela %1).").arg(name_));
    range_ = Range{start, end};
    rebuildRows(std::nullopt);
    loadCurrent();
}

void Cursor::cancelRange()
{
    if (!range_)
        return;
    range_.reset();
    if (!isOpen())
        return;
    checkBrowseMode();
    rebuildRows(position_ >= 0 ? std::optional<qint64>(current_.rowid) : std::nullopt);
    loadCurrent();
}

void Cursor::setFilterHook(FilterHook hook, FilterHint hint)
{
    filterHook_ = std::move(hook);
    filterHint_ = std::move(hint);
    if (isOpen() && filtered_) {
        checkBrowseMode();
        rebuildRows(std::nullopt);
        loadCurrent();
    }
}

void Cursor::setFiltered(bool on)
{
    filtered_ = on;
    if (!isOpen())
        return;
    checkBrowseMode();
    rebuildRows(std::nullopt);
    loadCurrent();
}

void Cursor::setMaster(Cursor *master, const QString &masterFields)
{
    detachFromMaster();
    if (!master || masterFields.isEmpty()) {
        if (isOpen()) {
            checkBrowseMode();
            rebuildRows(std::nullopt);
            loadCurrent();
        }
        return;
    }
    master_ = master;
    masterFields_ = masterFields;
    master_->details_.push_back(this);
    applyMaster();
}

void Cursor::detachFromMaster()
{
    if (master_)
        std::erase(master_->details_, this);
    master_ = nullptr;
    masterFields_.clear();
    linkValues_.reset();
}

void Cursor::applyMaster()
{
    if (!isOpen() || !master_)
        return;
    std::optional<QVariantList> values;
    if (master_->isOpen() && master_->state_ != State::Insert && master_->position_ >= 0) {
        values.emplace();
        for (const QString &fieldName : splitFieldList(masterFields_)) {
            const int column = master_->definition_.fieldIndex(fieldName);
            if (column < 0)
                throw DbError(notFound(QStringLiteral("Pole ") + fieldName, master_->name_));
            values->append(master_->current_.values[column]);
        }
        *values = convertKey(*values);
    }
    if (values == linkValues_ && state_ != State::Inactive && !rows_.empty())
        return;
    checkBrowseMode();
    linkValues_ = values;
    rebuildRows(std::nullopt);
    loadCurrent();
}

bool Cursor::findKey(const QVariantList &values)
{
    checkOpen();
    checkBrowseMode();
    if (order_.columns.isEmpty())
        throw DbError(QStringLiteral("Wyszukiwanie wymaga indeksu (tabela %1).").arg(name_));
    const QVariantList key = convertKey(values);
    const int fields = int(key.size());
    const int place = lowerBound(key, fields);
    if (place >= int(rows_.size()) || compareKeys(keyOf(rows_[place]), key, fields) != 0)
        return false;
    position_ = place;
    bof_ = eof_ = false;
    loadCurrent();
    return true;
}

void Cursor::findNearest(const QVariantList &values)
{
    checkOpen();
    checkBrowseMode();
    if (order_.columns.isEmpty())
        throw DbError(QStringLiteral("Wyszukiwanie wymaga indeksu (tabela %1).").arg(name_));
    if (rows_.empty())
        return;
    const QVariantList key = convertKey(values);
    position_ = std::min(lowerBound(key, int(key.size())), int(rows_.size()) - 1);
    bof_ = eof_ = false;
    loadCurrent();
}

bool Cursor::locate(const QString &fieldName, const QVariant &value)
{
    checkOpen();
    checkBrowseMode();
    const int column = definition_.fieldIndex(fieldName);
    if (column < 0)
        throw DbError(notFound(QStringLiteral("Pole ") + fieldName, name_));
    const QVariant stored = storedFromValue(definition_.fields[column], value);
    StatementScope statement(connection_->cached(
        QStringLiteral("SELECT rowid FROM %1 WHERE %2 %3")
            .arg(tableSql(), columnTerm(column, LetterCase::Sensitive),
                 stored.isValid() ? QStringLiteral("= ?") : QStringLiteral("IS NULL"))));
    if (stored.isValid())
        statement->bind(1, stored);
    std::vector<qint64> matches;
    while (statement->step())
        matches.push_back(statement->columnInt64(0));
    if (matches.empty())
        return false;
    std::sort(matches.begin(), matches.end());
    for (int position = 0; position < int(rows_.size()); ++position) {
        if (std::binary_search(matches.begin(), matches.end(), rows_[position])) {
            position_ = position;
            bof_ = eof_ = false;
            loadCurrent();
            return true;
        }
    }
    return false;
}

QVariant Cursor::maximum(const QString &fieldName)
{
    checkOpen();
    const int column = definition_.fieldIndex(fieldName);
    if (column < 0)
        throw DbError(notFound(QStringLiteral("Pole ") + fieldName, name_));
    StatementScope statement(connection_->cached(
        QStringLiteral("SELECT max(%1) FROM %2")
            .arg(quoteIdentifier(definition_.fields[column].name), tableSql())));
    return statement->step() ? statement->column(0) : QVariant();
}
