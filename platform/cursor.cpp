#include "platform/cursor.h"

#include "platform/amount_range.h"
#include "platform/collation_version.h"
#include "platform/field_values.h"
#include "platform/paths.h"
#include "platform/session.h"
#include "platform/sqlite_db.h"
#include "platform/table_files.h"
#include "platform/table_schema.h"

#include <QFileInfo>
#include <QScopedValueRollback>
#include <utility>

#include <utility>

Cursor::Cursor(Session &session, QString name, QObject *parent)
    : QObject(parent), session_(session), name_(std::move(name))
{
    session_.registerCursor(this);
}

Cursor::~Cursor()
{
    for (Cursor *detail : details_)
        detail->master_ = nullptr;
    detachFromMaster();
    if (isEditing())
        state_ = State::Browse; // a cursor torn down with the program keeps nothing half-made
    rows_.clear();
    connection_.reset();
    session_.unregisterCursor(this);
}

// ---- table ------------------------------------------------------------------------------

void Cursor::setTableName(const QString &path)
{
    if (isOpen())
        throw DbError(QStringLiteral("Nie można zmienić tabeli otwartego kursora %1.").arg(name_));
    tableName_ = path;
}

QString Cursor::tablePath() const
{
    return isOpen() ? openedPath_ : tableFilePath(tableName_);
}

bool Cursor::isReadOnly() const
{
    return connection_ && connection_->isReadOnly();
}

void Cursor::open(Access access)
{
    if (isOpen())
        return;
    const QString path = tableFilePath(tableName_);
    if (tableName_.isEmpty() || !QFileInfo(path).isFile())
        throw DbError(QStringLiteral("Tabela nie istnieje.\rBaza : ") + path);
    const bool readOnly = isReadOnlyFile(path);
    auto lock = TableLock::acquire(path, access == Access::Exclusive ? TableLock::Mode::Exclusive
                                                                     : TableLock::Mode::Shared);
    if (!lock)
        throw tableInUseError(path);
    auto connection = session_.connect(path, readOnly);
    const QString table = findInnerTable(*connection, innerTableName(path));
    TableDef definition = readTableDefinition(*connection, table);
    for (const FieldDef &calculated : calculated_)
        if (definition.fieldIndex(calculated.name) >= 0)
            throw DbError(QStringLiteral("Pole wyliczane %1 ma nazwę pola tabeli.\rBaza : %2")
                              .arg(calculated.name, path));

    lock_ = std::move(lock);
    connection_ = std::move(connection);
    table_ = table;
    definition_ = std::move(definition);
    openedPath_ = path;
    access_ = access;
    fieldNumbers_.clear();
    recentNames_ = {};
    for (int i = 0; i < definition_.fields.size(); ++i)
        fieldNumbers_.insert(definition_.fields[i].name.toUpper(), i);
    for (int i = 0; i < calculated_.size(); ++i)
        fieldNumbers_.insert(calculated_[i].name.toUpper(), int(definition_.fields.size()) + i);
    bindFieldHooks();
    try {
        setOrder(resolveOrder());
    } catch (const DbError &) {
        lock_.reset();
        connection_.reset();
        throw;
    }
    emptyBuffer();
    linkValues_.reset();
    setState(State::Browse);
    if (master_)
        applyMaster();
    else
        rebuildRows(std::nullopt);
    loadCurrent();
}

void Cursor::close()
{
    if (!isOpen())
        return;
    checkBrowseMode();
    if (ownConnection_)
        leaveJoinedConnection();
    rows_.clear();
    position_ = -1;
    bof_ = eof_ = true;
    emptyBuffer();
    fetchStatement_ = keyStatement_ = blockStatement_ = nullptr;
    writeStatements_.clear();
    readAhead_.clear();
    connection_.reset();
    lock_.reset();
    access_ = Access::Shared;
    setState(State::Inactive);
    if (!controlsDisabled())
        emit rowsReset();
    notifyDetails();
}

void Cursor::checkOpen() const
{
    if (!isOpen())
        throw DbError(QStringLiteral("Tabela %1 nie jest otwarta.").arg(name_));
}

// ---- fields -----------------------------------------------------------------------------

void Cursor::addCalculatedField(const FieldDef &field)
{
    if (isOpen())
        throw DbError(QStringLiteral("Pole wyliczane dodaje się przed otwarciem tabeli."));
    calculated_.append(field);
}

int Cursor::fieldIndex(const QString &name) const
{
    for (const RecentName &recent : recentNames_)
        if (recent.name.constData() == name.constData() && recent.name.size() == name.size())
            return recent.index;
    const int index = lookUpFieldIndex(name);
    if (index >= 0 && isOpen()) {
        recentNames_[recentNext_] = {name, index};
        recentNext_ = (recentNext_ + 1) % recentNames_.size();
    }
    return index;
}

int Cursor::lookUpFieldIndex(const QString &name) const
{
    // Names as the program writes them are upper case: the first look-up nearly always hits.
    auto found = fieldNumbers_.constFind(name);
    if (found == fieldNumbers_.cend())
        found = fieldNumbers_.constFind(name.toUpper());
    if (found != fieldNumbers_.cend())
        return found.value();
    // A closed cursor still knows its calculated fields.
    for (int i = 0; i < calculated_.size(); ++i)
        if (calculated_[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(definition_.fields.size()) + i;
    return -1;
}

Field Cursor::field(const QString &name)
{
    const int index = fieldIndex(name);
    if (index < 0)
        throw DbError(QStringLiteral("Pole '%1' nie istnieje w tabeli %2.").arg(name, name_));
    return Field(this, index);
}

const FieldDef &Cursor::fieldDef(int index) const
{
    const int data = int(definition_.fields.size());
    return index < data ? definition_.fields[index] : calculated_[index - data];
}

QVariant Cursor::readStored(int index) const
{
    const int data = int(definition_.fields.size());
    if (index < data) {
        if (scan_)
            return scan_->column(index + 1);
        return index < active_->values.size() ? active_->values[index] : QVariant();
    }
    if (scan_)
        return QVariant();
    if (active_->calculationFailure)
        std::rethrow_exception(active_->calculationFailure);
    const int calculated = index - data;
    return calculated < active_->calculated.size() ? active_->calculated[calculated] : QVariant();
}

void Cursor::writeStored(int index, const QVariant &value, bool copying)
{
    const int data = int(definition_.fields.size());
    if (index >= data) {
        if (!calculating_)
            throw DbError(QStringLiteral("Pole wyliczane %1 ustala tylko wyliczenie rekordu.")
                              .arg(fieldDef(index).name));
        const_cast<Record *>(active_)->calculated[index - data] = value;
        return;
    }
    if (!isEditing() || scan_ || active_ != &current_)
        throw DbError(QStringLiteral("Tabela %1 nie jest w trybie edycji.").arg(name_));
    if (definition_.fields[index].type == FieldType::AutoInc
        && !(copying && state_ == State::Insert))
        throw DbError(QStringLiteral("Pole %1 jest numerowane automatycznie.")
                          .arg(definition_.fields[index].name));
    const FieldDef &field = definition_.fields[index];
    if (!copying && isCurrencyType(field.type) && value.isValid()
        && !IsWithinEnteredRange(value.toLongLong()))
        throw DbError(QStringLiteral("Kwota %1 zł w polu %2 jest poza dopuszczalnym zakresem "
                                     "od -99 999 999 999,99 do 99 999 999 999,99 zł.")
                          .arg(Money::fromUnits(value.toLongLong()).toString(), field.name));
    // A value the field's rule refuses does not stay in the record.
    QVariant previous = std::exchange(current_.values[index], value);
    modified_ = true;
    if (const auto hook = fieldHooks_.value(index)) {
        try {
            hook(Field(this, index));
        } catch (...) {
            current_.values[index] = std::move(previous);
            throw;
        }
    }
    calculate(current_);
    if (!controlsDisabled())
        emit fieldChanged(index);
}

void Cursor::setFieldChange(const QString &fieldName, FieldHook hook)
{
    if (isOpen() && definition_.fieldIndex(fieldName) < 0)
        throw DbError(QStringLiteral("Pole '%1' nie istnieje w tabeli %2.").arg(fieldName, name_));
    fieldHooksByName_.insert(fieldName.toUpper(), std::move(hook));
    bindFieldHooks();
}

// A hook set for a field that an older table lacks simply never runs.
void Cursor::bindFieldHooks()
{
    fieldHooks_.clear();
    for (auto it = fieldHooksByName_.cbegin(); it != fieldHooksByName_.cend(); ++it) {
        const int index = definition_.fieldIndex(it.key());
        if (index >= 0)
            fieldHooks_.insert(index, it.value());
    }
}

void Cursor::calculate(Record &record)
{
    record.calculated = QVariantList(calculated_.size());
    record.calculationFailure = nullptr;
    if (!calcFields_ || calculated_.isEmpty())
        return;
    QScopedValueRollback<const Record *> active(active_, &record);
    QScopedValueRollback<bool> calculating(calculating_, true);
    try {
        calcFields_(*this);
    } catch (const DbError &) {
        record.calculated = QVariantList(calculated_.size());
        record.calculationFailure = std::current_exception();
    }
}

// ---- records ----------------------------------------------------------------------------

QString Cursor::selectColumns() const
{
    QStringList columns;
    for (const FieldDef &field : definition_.fields)
        columns << quoteIdentifier(field.name);
    return columns.join(QStringLiteral(", "));
}

void Cursor::prepareStatements()
{
    fetchStatement_ = &connection_->cached(QStringLiteral("SELECT rowid, %1 FROM %2 WHERE rowid = ?")
                                               .arg(selectColumns(), tableSql()));
    blockStatement_ = &connection_->cached(
        QStringLiteral("SELECT rowid, %1 FROM %2 WHERE rowid IN (%3)")
            .arg(selectColumns(), tableSql(),
                 QStringList(ReadAheadBlock, QStringLiteral("?")).join(QLatin1Char(','))));
    QStringList columns;
    for (int column : order_.columns)
        columns << quoteIdentifier(definition_.fields[column].name);
    keyStatement_ = columns.isEmpty()
                        ? nullptr
                        : &connection_->cached(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                                   .arg(columns.join(QStringLiteral(", ")),
                                                        tableSql()));
}

std::optional<Cursor::Record> Cursor::fetch(qint64 rowid)
{
    StatementScope statement(*fetchStatement_);
    statement->bind(1, rowid);
    if (!statement->step())
        return std::nullopt;
    Record record;
    record.rowid = rowid;
    record.values.reserve(definition_.fields.size());
    for (int i = 0; i < definition_.fields.size(); ++i)
        record.values << statement->column(i + 1);
    statement->reset();
    calculate(record);
    return record;
}

std::optional<Cursor::Record> Cursor::recordAt(int position)
{
    const qint64 rowid = rows_[position];
    if (!readAhead_.contains(rowid)) {
        // A walk reads ahead in blocks; a jump (a search, a bookmark) reads one record.
        if (std::abs(position - lastVisited_) == 1) {
            readAheadAround(position);
        } else {
            auto record = fetch(rowid);
            lastVisited_ = position;
            return record;
        }
    }
    lastVisited_ = position;
    const auto cached = readAhead_.constFind(rowid);
    if (cached == readAhead_.cend())
        return std::nullopt;
    Record record{rowid, cached.value(), {}, {}};
    calculate(record);
    return record;
}

// Reads the block of records the walk is heading into: forward from `position` unless the
// last visit was further on.
void Cursor::readAheadAround(int position)
{
    const int count = int(rows_.size());
    const bool backwards = lastVisited_ > position;
    const int from = std::max(0, backwards ? position - ReadAheadBlock + 1 : position);
    const int to = std::min(count, from + ReadAheadBlock);
    readAhead_.clear();
    StatementScope statement(*blockStatement_);
    for (int i = 0; i < ReadAheadBlock; ++i)
        statement->bind(i + 1, from + i < to ? QVariant(rows_[from + i]) : QVariant());
    const int fields = int(definition_.fields.size());
    while (statement->step()) {
        QVariantList values;
        values.reserve(fields);
        for (int i = 0; i < fields; ++i)
            values << statement->column(i + 1);
        readAhead_.insert(statement->columnInt64(0), std::move(values));
    }
    readAheadTransaction_ = connection_->transactionSerial();
    changesSeen_ = connection_->totalChanges();
}

bool Cursor::readAheadVouched() const
{
    return readAheadTransaction_ != 0
           && connection_->transactionSerial() == readAheadTransaction_
           && connection_->totalChanges() == changesSeen_;
}

void Cursor::noteOwnWrite(bool vouchedBefore)
{
    if (vouchedBefore)
        changesSeen_ = connection_->totalChanges();
}

void Cursor::emptyBuffer()
{
    current_ = Record{-1, QVariantList(definition_.fields.size()), QVariantList(calculated_.size()), {}};
}

void Cursor::loadCurrent()
{
    while (position_ >= 0 && position_ < int(rows_.size())) {
        if (auto record = recordAt(position_)) {
            current_ = std::move(*record);
            notifyCurrent();
            return;
        }
        // Deleted by another program since the list was built.
        rows_.erase(rows_.begin() + position_);
        if (!controlsDisabled())
            emit rowRemoved(position_);
        if (position_ >= int(rows_.size()))
            position_ = int(rows_.size()) - 1;
    }
    position_ = -1;
    bof_ = eof_ = true;
    emptyBuffer();
    notifyCurrent();
}

void Cursor::notifyCurrent()
{
    if (!controlsDisabled())
        emit currentChanged();
    notifyDetails();
}

void Cursor::notifyDetails()
{
    for (Cursor *detail : details_)
        detail->applyMaster();
}

QVariantList Cursor::valuesAt(int position)
{
    checkOpen();
    if (position < 0 || position >= int(rows_.size()))
        return {};
    const bool isCurrent = rows_[position] == current_.rowid && position == position_;
    if (isCurrent)
        return current_.values + current_.calculated;
    const auto record = recordAt(position);
    if (!record)
        return QVariantList(fieldCount());
    return record->values + record->calculated;
}

// ---- state ------------------------------------------------------------------------------

void Cursor::setState(State state)
{
    const State previous = state_;
    state_ = state;
    if (stateChange_ && previous != state)
        stateChange_(*this, previous);
    if (!controlsDisabled() && previous != state)
        emit stateChanged(state_);
}

void Cursor::checkBrowseMode()
{
    if (isEditing())
        post();
}

// ---- moving -----------------------------------------------------------------------------

void Cursor::first()
{
    checkOpen();
    checkBrowseMode();
    position_ = rows_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = rows_.empty();
    loadCurrent();
}

void Cursor::last()
{
    checkOpen();
    checkBrowseMode();
    position_ = int(rows_.size()) - 1;
    eof_ = true;
    bof_ = rows_.empty();
    loadCurrent();
}

void Cursor::next()
{
    moveBy(1);
}

void Cursor::prior()
{
    moveBy(-1);
}

void Cursor::moveBy(int distance)
{
    checkOpen();
    checkBrowseMode();
    if (distance == 0)
        return;
    const int count = int(rows_.size());
    int target = position_ + distance;
    eof_ = target >= count;
    bof_ = target < 0;
    target = std::clamp(target, count ? 0 : -1, count - 1);
    if (target != position_) {
        position_ = target;
        loadCurrent();
    }
}

void Cursor::setRecNo(int position)
{
    checkOpen();
    checkBrowseMode();
    if (rows_.empty())
        return;
    position_ = std::clamp(position, 0, int(rows_.size()) - 1);
    bof_ = eof_ = false;
    loadCurrent();
}

Cursor::Bookmark Cursor::bookmark() const
{
    if (state_ != State::Browse || position_ < 0)
        return {};
    return Bookmark{current_.rowid};
}

bool Cursor::bookmarkValid(const Bookmark &bookmark) const
{
    return bookmark.isValid()
           && std::find(rows_.begin(), rows_.end(), bookmark.record) != rows_.end();
}

bool Cursor::gotoBookmark(const Bookmark &bookmark)
{
    checkOpen();
    checkBrowseMode();
    const auto at = std::find(rows_.begin(), rows_.end(), bookmark.record);
    if (!bookmark.isValid() || at == rows_.end())
        return false;
    position_ = int(at - rows_.begin());
    bof_ = eof_ = false;
    loadCurrent();
    return current_.rowid == bookmark.record;
}

// ---- changing ---------------------------------------------------------------------------

void Cursor::insert()
{
    checkOpen();
    checkBrowseMode();
    if (isReadOnly())
        throw DbError(QStringLiteral("Tabela jest tylko do odczytu.\rBaza : ") + openedPath_);
    positionBeforeInsert_ = position_;
    original_ = current_;
    emptyBuffer();
    modified_ = false;
    calculate(current_);
    setState(State::Insert);
    notifyCurrent();
}

void Cursor::append()
{
    insert();
}

void Cursor::edit()
{
    checkOpen();
    if (isEditing())
        return;
    if (position_ < 0) {
        insert();
        return;
    }
    if (isReadOnly())
        throw DbError(QStringLiteral("Tabela jest tylko do odczytu.\rBaza : ") + openedPath_);
    // Start from what is on disk now: another program may have changed the record.
    std::optional<Record> fresh;
    const auto cached = readAhead_.constFind(current_.rowid);
    if (cached != readAhead_.cend() && readAheadVouched()) {
        fresh = Record{current_.rowid, cached.value(), {}, {}};
        calculate(*fresh);
    } else {
        fresh = fetch(current_.rowid);
    }
    if (!fresh) {
        refresh();
        throw DbError(QStringLiteral("Rekord został usunięty przez inny program.\rBaza : ")
                      + openedPath_);
    }
    current_ = std::move(*fresh);
    original_ = current_;
    modified_ = false;
    setState(State::Edit);
}

void Cursor::post()
{
    checkOpen();
    if (!isEditing())
        return;
    emit updateRecordRequested();
    if (beforePost_)
        beforePost_(*this);
    if (!isEditing())
        return; // the hook cancelled the change
    for (int i = 0; i < definition_.fields.size(); ++i) {
        const FieldDef &field = definition_.fields[i];
        if (field.required && field.type != FieldType::AutoInc && !current_.values[i].isValid())
            throw DbError(QStringLiteral("Pole %1 musi mieć wartość.").arg(field.name));
    }
    if (state_ == State::Insert)
        writeInsert();
    else
        writeUpdate();
}

// The statements that write a record, one per set of columns written, prepared once.
Statement &Cursor::writeStatement(bool insert, const QList<int> &columns)
{
    QByteArray key(1, insert ? 'I' : 'U');
    for (int column : columns)
        key += QByteArray::number(column) + ',';
    if (Statement *known = writeStatements_.value(key))
        return *known;
    QStringList names;
    for (int column : columns)
        names << quoteIdentifier(definition_.fields[column].name);
    QString sql;
    if (insert && names.isEmpty())
        sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(tableSql());
    else if (insert)
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(tableSql(), names.join(QStringLiteral(", ")),
                       QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
    else
        sql = QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                  .arg(tableSql(), names.join(QStringLiteral(" = ?, ")));
    Statement &statement = connection_->cached(sql);
    writeStatements_.insert(key, &statement);
    return statement;
}

void Cursor::writeInsert()
{
    QList<int> columns;
    QVariantList values;
    for (int i = 0; i < definition_.fields.size(); ++i) {
        if (!current_.values[i].isValid())
            continue;
        columns << i;
        values << current_.values[i];
    }
    StatementScope statement(writeStatement(true, columns));
    statement->bindAll(values);
    const bool vouched = readAheadVouched();
    statement->run();
    noteOwnWrite(vouched);
    afterWrite(connection_->lastInsertRowid(), true);
}

void Cursor::writeUpdate()
{
    QList<int> columns;
    QVariantList values;
    for (int i = 0; i < definition_.fields.size(); ++i) {
        const QVariant &now = current_.values[i];
        const QVariant &before = original_.values[i];
        if (now.isValid() == before.isValid() && (!now.isValid() || now == before))
            continue;
        columns << i;
        values << now;
    }
    if (columns.isEmpty()) {
        setState(State::Browse);
        if (afterPost_)
            afterPost_(*this);
        return;
    }
    values << current_.rowid;
    StatementScope statement(writeStatement(false, columns));
    statement->bindAll(values);
    const bool vouched = readAheadVouched();
    statement->run();
    noteOwnWrite(vouched);
    if (connection_->changes() == 0)
        throw DbError(QStringLiteral("Rekord został usunięty przez inny program.\rBaza : ")
                      + openedPath_);
    afterWrite(current_.rowid, false);
}

// The record now holds exactly what was bound (every value is kept in its stored form), and
// its record number when it was new.
void Cursor::afterWrite(qint64 rowid, bool inserted)
{
    Record written = current_;
    written.rowid = rowid;
    for (int i = 0; i < definition_.fields.size(); ++i)
        if (definition_.fields[i].type == FieldType::AutoInc)
            written.values[i] = rowid;
    if (readAhead_.contains(rowid))
        readAhead_.insert(rowid, written.values);
    const int previous = inserted ? -1 : position_;
    const bool listed = previous >= 0 && previous < int(rows_.size()) && rows_[previous] == rowid;
    // A record whose key did not change keeps its place without a look at its neighbours.
    const bool keyKept = listed && keyOf(written) == keyOf(original_);
    int place = previous;
    if (!listed || (!keyKept && !keepsPlace(previous, written))) {
        if (listed)
            rows_.erase(rows_.begin() + previous);
        place = placeFor(written);
        rows_.insert(rows_.begin() + place, rowid);
    }
    position_ = place;
    bof_ = eof_ = false;
    current_ = std::move(written);
    modified_ = false;
    setState(State::Browse);
    if (!controlsDisabled()) {
        if (previous == place) {
            emit rowUpdated(place);
        } else {
            if (previous >= 0)
                emit rowRemoved(previous);
            emit rowInserted(place);
        }
    }
    notifyCurrent();
    if (afterPost_)
        afterPost_(*this);
}

void Cursor::cancel()
{
    if (!isEditing())
        return;
    const bool wasInsert = state_ == State::Insert;
    current_ = original_;
    modified_ = false;
    if (wasInsert)
        position_ = std::min(positionBeforeInsert_, int(rows_.size()) - 1);
    setState(State::Browse);
    if (wasInsert)
        loadCurrent();
    else
        notifyCurrent();
}

void Cursor::remove()
{
    checkOpen();
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (state_ == State::Edit)
        cancel();
    if (position_ < 0)
        throw DbError(QStringLiteral("Brak rekordu do usunięcia.\rBaza : ") + openedPath_);
    if (isReadOnly())
        throw DbError(QStringLiteral("Tabela jest tylko do odczytu.\rBaza : ") + openedPath_);
    StatementScope statement(connection_->cached(
        QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(tableSql())));
    statement->bind(1, current_.rowid);
    const bool vouched = readAheadVouched();
    statement->run();
    noteOwnWrite(vouched);
    readAhead_.remove(current_.rowid);
    const int removed = position_;
    rows_.erase(rows_.begin() + removed);
    if (!controlsDisabled())
        emit rowRemoved(removed);
    position_ = std::min(removed, int(rows_.size()) - 1);
    bof_ = eof_ = rows_.empty();
    loadCurrent();
}

void Cursor::refresh()
{
    checkOpen();
    checkBrowseMode();
    rebuildRows(position_ >= 0 ? std::optional<qint64>(current_.rowid) : std::nullopt);
    loadCurrent();
}

void Cursor::emptyTable()
{
    checkOpen();
    if (isEditing())
        cancel();
    if (isReadOnly())
        throw DbError(QStringLiteral("Tabela jest tylko do odczytu.\rBaza : ") + openedPath_);
    connection_->exec(QStringLiteral("DELETE FROM %1").arg(tableSql()));
    rebuildRows(std::nullopt);
    loadCurrent();
}

void Cursor::addIndex(const IndexDef &index)
{
    checkOpen();
    checkBrowseMode();
    if (index.primary ? definition_.primaryIndex() != nullptr
                      : definition_.findIndex(index.name) != nullptr)
        throw DbError(QStringLiteral("Indeks %1 już istnieje.\rBaza : %2")
                          .arg(index.primary ? QStringLiteral("główny") : index.name, openedPath_));
    connection_->begin();
    try {
        ensureMetadata(*connection_, definition_);
        createIndex(*connection_, table_, definition_, index);
        connection_->commit();
    } catch (const DbError &) {
        connection_->rollback();
        throw;
    }
    definition_ = readTableDefinition(*connection_, table_);
    setOrder(resolveOrder());
}

void Cursor::rebuildTextIndexes()
{
    checkOpen();
    checkBrowseMode();
    if (isReadOnly())
        throw DbError(QStringLiteral("Tabela jest tylko do odczytu.\rBaza : ") + openedPath_);
    ::rebuildTextIndexes(*connection_);
    refresh();
}

void Cursor::deleteIndex(const QString &name)
{
    checkOpen();
    checkBrowseMode();
    connection_->begin();
    try {
        ensureMetadata(*connection_, definition_);
        dropIndex(*connection_, name);
        connection_->commit();
    } catch (const DbError &) {
        connection_->rollback();
        throw;
    }
    definition_ = readTableDefinition(*connection_, table_);
    if (indexName_.compare(name, Qt::CaseInsensitive) == 0)
        indexName_.clear();
    setOrder(resolveOrder());
    refresh();
}

// ---- transactions -----------------------------------------------------------------------

void Cursor::beginTransaction()
{
    checkOpen();
    checkBrowseMode();
    connection_->begin();
}

void Cursor::commit()
{
    checkOpen();
    checkBrowseMode();
    try {
        connection_->commit();
    } catch (const DbError &) {
        // A walk an inner rollback had failed is undone by its commit: the list shows the
        // file as it is again.
        if (!connection_->inTransaction())
            refresh();
        throw;
    }
}

void Cursor::rollback()
{
    if (!isOpen())
        return;
    if (isEditing())
        cancel();
    connection_->rollback();
    refresh();
}

bool Cursor::inTransaction() const
{
    return connection_ && connection_->inTransaction();
}

void Cursor::joinConnectionOf(Cursor &hub)
{
    checkOpen();
    hub.checkOpen();
    if (ownConnection_ || hub.ownConnection_)
        throw DbError(QStringLiteral("Tabela %1 jest już zapisywana razem z inną.").arg(name_));
    if (connection_ == hub.connection_)
        return; // one file: its writes commit together already
    if (inTransaction() || hub.inTransaction())
        throw DbError(QStringLiteral("Tabeli %1 nie można dołączyć do trwającej transakcji.")
                          .arg(name_));
    static quint64 schemas = 0;
    const QString schema = QStringLiteral("razem%1").arg(++schemas);
    hub.connection_->attach(openedPath_, schema);
    ownConnection_ = std::exchange(connection_, hub.connection_);
    joinedSchema_ = schema;
    resetStatements();
}

void Cursor::leaveJoinedConnection()
{
    if (!ownConnection_)
        return;
    const std::shared_ptr<Connection> hub = std::exchange(connection_, std::move(ownConnection_));
    const QString schema = std::exchange(joinedSchema_, QString());
    resetStatements();
    hub->detach(schema);
}

QString Cursor::tableSql() const
{
    if (joinedSchema_.isEmpty())
        return quoteIdentifier(table_);
    return quoteIdentifier(joinedSchema_) + QLatin1Char('.') + quoteIdentifier(table_);
}

// Statements are prepared on one connection: a change of connection prepares them anew.
void Cursor::resetStatements()
{
    writeStatements_.clear();
    readAhead_.clear();
    readAheadTransaction_ = 0;
    changesSeen_ = -1;
    prepareStatements();
}

// ---- views ------------------------------------------------------------------------------

void Cursor::disableControls()
{
    ++controlsDisabled_;
}

void Cursor::enableControls()
{
    if (controlsDisabled_ == 0 || --controlsDisabled_ > 0)
        return;
    emit rowsReset();
    emit stateChanged(state_);
    emit currentChanged();
}
