#pragma once
// A navigational cursor over one table file: the way every part of the program reads and
// writes records.
//
// States: Inactive (closed) → Browse (open, on a record or on nothing) ⇄ Edit / Insert (a
// record buffer being changed). Moving, refreshing, re-ordering or closing while in Edit or
// Insert posts the change first, so nothing typed is lost silently.
//
// What the cursor can reach is the table's records in the current index order, narrowed by
// the range (on the leading index fields), by the master record when the cursor is a detail,
// and by the filter hook while filtering is on. The cursor keeps that reachable set as an
// ordered list of record numbers; records are fetched one at a time when visited, so a view
// of 100 000 records costs the list, not the records. A record this cursor posts keeps its
// place in the list until the next refresh, even when it no longer passes the filter, so that
// a caller can read back what it wrote.
//
// Hook order, as callers rely on it: insert/append and edit change the state (state hook)
// before anything is typed; post runs before-post, checks required fields, writes, returns
// to Browse (state hook) and then runs after-post; every field write runs the field's change
// hook and then recalculates the calculated fields.
//
// Writes outside a transaction are committed, and on disk, when post returns. A walk that
// writes many records runs inside beginTransaction()/commit(): one sync at the end, and all
// or nothing after a crash.

#include "platform/db_error.h"
#include "platform/field.h"
#include "platform/money.h"
#include "platform/polish_collation.h"
#include "platform/table_definition.h"
#include "platform/table_lock.h"

#include <QObject>
#include <QVariant>
#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class Connection;
class Session;
class Statement;

class Cursor : public QObject {
    Q_OBJECT

public:
    enum class State { Inactive, Browse, Edit, Insert };
    enum class Access { Shared, Exclusive };

    struct Bookmark {
        qint64 record = -1;
        bool isValid() const { return record >= 0; }
        bool operator==(const Bookmark &) const = default;
    };

    using Hook = std::function<void(Cursor &)>;
    using StateHook = std::function<void(Cursor &, State previous)>;
    using FilterHook = std::function<bool(Cursor &)>;
    using FieldHook = std::function<void(Field)>;
    // Equality conditions that every record passing the filter hook also meets; they let the
    // table file skip the rest without asking the hook. Purely an acceleration.
    using FilterHint = std::function<QList<QPair<QString, QVariant>>()>;

    Cursor(Session &session, QString name, QObject *parent = nullptr);
    ~Cursor() override;

    const QString &name() const { return name_; }
    Session &session() const { return session_; }

    // ---- table -------------------------------------------------------------------------
    void setTableName(const QString &path); // ".DB" is added when there is no extension
    const QString &tableName() const { return tableName_; }
    QString tablePath() const;              // the file opened (or to be opened)
    void open(Access access = Access::Shared);
    void close();
    bool isOpen() const { return state_ != State::Inactive; }
    bool isExclusive() const { return access_ == Access::Exclusive; }
    bool isReadOnly() const;
    State state() const { return state_; }
    bool isEditing() const { return state_ == State::Edit || state_ == State::Insert; }

    // ---- definitions -------------------------------------------------------------------
    const TableDef &definition() const { return definition_; }
    const QList<FieldDef> &fieldDefs() const { return definition_.fields; }
    const QList<IndexDef> &indexDefs() const { return definition_.indexes; }
    // Calculated fields are declared before opening; their values come from the calc hook.
    void addCalculatedField(const FieldDef &field);
    const QList<FieldDef> &calculatedFieldDefs() const { return calculated_; }
    int fieldCount() const { return int(definition_.fields.size() + calculated_.size()); }
    bool hasField(const QString &name) const { return fieldIndex(name) >= 0; }
    int fieldIndex(const QString &name) const;
    Field field(const QString &name);
    Field field(int index) { return Field(this, index); }

    // ---- order, range, filter, master ----------------------------------------------------
    void setIndexName(const QString &name);  // empty: primary index, or record order
    const QString &indexName() const { return indexName_; }
    void setIndexFieldNames(const QString &fieldList); // "MC;LP"
    const QString &indexFieldNames() const { return indexFieldNames_; }
    QStringList keyFields() const;
    void setRange(const QVariantList &start, const QVariantList &end);
    void cancelRange();
    bool hasRange() const { return range_.has_value(); }
    void setFilterHook(FilterHook hook, FilterHint hint = {});
    void setFiltered(bool on);
    bool isFiltered() const { return filtered_; }
    // The cursor shows the records whose leading index fields equal `masterFields` of the
    // master's current record; empty fields list detaches it.
    void setMaster(Cursor *master, const QString &masterFields);
    Cursor *master() const { return master_; }
    const QString &masterFields() const { return masterFields_; }

    // ---- searching and moving ------------------------------------------------------------
    bool findKey(const QVariantList &values);  // exact match on the leading index fields
    void findNearest(const QVariantList &values); // first record not before the values
    void first();
    void last();
    void next();
    void prior();
    void moveBy(int distance);
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    bool isEmpty() const { return rows_.empty(); }
    int recordCount() const { return int(rows_.size()); }
    // 0-based place in the reachable set; -1 when on no record (also while inserting one).
    int recNo() const { return state_ == State::Insert ? -1 : position_; }
    void setRecNo(int position);
    Bookmark bookmark() const;
    bool gotoBookmark(const Bookmark &bookmark);
    bool bookmarkValid(const Bookmark &bookmark) const;
    // A copy of the field values (data then calculated) of the record at a place, without
    // moving; views use it to paint rows.
    QVariantList valuesAt(int position);
    // Calls `visit` for every reachable record in order, reading them all with one query:
    // one read of the file, so no other program's write lands between two records, at the
    // cost of the query alone. It reads what the file holds: a record being edited is not
    // posted first. While `visit` runs, field() reads the record visited (its
    // calculated fields are blank and nothing can be written); the cursor itself neither
    // moves nor may be moved. For walks over a whole table that only read.
    void scan(const std::function<void(Cursor &)> &visit);
    // Moves to the first reachable record whose field equals the value; false when none.
    bool locate(const QString &fieldName, const QVariant &value);
    // The highest stored value of a field in the whole table, whatever the cursor reaches
    // (blank for an empty table). An index on the field makes it immediate.
    QVariant maximum(const QString &fieldName);

    // ---- changing --------------------------------------------------------------------------
    void insert();
    void append();
    void edit();
    void post();
    void cancel();
    void remove();
    void refresh();
    void emptyTable();
    void addIndex(const IndexDef &index);
    void deleteIndex(const QString &name);
    // Rebuilds the text indexes in the current Polish order, whatever the file says it holds:
    // the part of index repair that needs no structure file.
    void rebuildTextIndexes();

    void beginTransaction();
    void commit();
    void rollback();
    bool inTransaction() const;
    // The cursor's table file joins `hub`'s connection (ATTACH), so that the hub's
    // transactions write this table too and one commit writes both files or neither;
    // leaving returns the cursor to its own connection. Outside a transaction only; a record
    // being edited stays so. JointTransaction is the way to use them.
    void joinConnectionOf(Cursor &hub);
    void leaveJoinedConnection();

    // ---- views ---------------------------------------------------------------------------
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return controlsDisabled_ > 0; }

    // ---- hooks ---------------------------------------------------------------------------
    void setBeforePost(Hook hook) { beforePost_ = std::move(hook); }
    void setAfterPost(Hook hook) { afterPost_ = std::move(hook); }
    void setCalcFields(Hook hook) { calcFields_ = std::move(hook); }
    void setStateChange(StateHook hook) { stateChange_ = std::move(hook); }
    void setFieldChange(const QString &fieldName, FieldHook hook);

signals:
    // Before a post: edit controls hand over what is typed but not yet assigned. Sent even
    // while controls are disabled, since it carries data, not a repaint.
    void updateRecordRequested();
    void stateChanged(Cursor::State state);
    void currentChanged();             // another record became current, or it was reloaded
    void fieldChanged(int fieldIndex); // a field of the record being edited changed
    void rowsReset();                  // the reachable set was rebuilt
    void rowInserted(int position);
    void rowRemoved(int position);
    void rowUpdated(int position);

private:
    friend class Field;
    friend class JointTransaction; // begins without posting what its cursors are editing

    static constexpr int ReadAheadBlock = 64;

    struct Record {
        qint64 rowid = -1;
        QVariantList values;
        QVariantList calculated;
        // Why the calculated fields could not be worked out (a sum no amount holds): thrown
        // when one of them is read, so that the record itself can still be shown and walked.
        std::exception_ptr calculationFailure;
    };
    struct Order {
        QStringList fields;
        QList<int> columns;
        QList<LetterCase> cases;
        bool descending = false;
    };

    // reading and writing through Field
    QVariant readStored(int index) const;
    void writeStored(int index, const QVariant &value, bool copying = false);
    const FieldDef &fieldDef(int index) const;

    // rows (cursor_rows.cpp)
    Order resolveOrder() const;
    QString orderByClause() const;
    // The records reachable, in order: their numbers, and every field too when asked.
    QString reachableSql(bool withFields, QVariantList &bindings) const;
    QString whereClause(QVariantList &bindings) const;
    QString equalityTerm(int column, LetterCase letterCase, const QVariant &value,
                         QVariantList &bindings) const;
    QString columnTerm(int column, LetterCase letterCase) const;
    QString tupleBound(const QVariantList &values, bool lower, QVariantList &bindings) const;
    void rebuildRows(std::optional<qint64> keep);
    QVariantList keyOf(qint64 rowid);
    QVariantList keyOf(const Record &record) const;
    int compareKeys(const QVariantList &a, const QVariantList &b, int fields) const;
    int lowerBound(const QVariantList &key, int fields);
    int placeFor(const Record &record);
    QVariantList convertKey(const QVariantList &values) const;
    void applyMaster();
    void detachFromMaster();

    // records
    std::optional<Record> fetch(qint64 rowid);
    std::optional<Record> recordAt(int position);
    void readAheadAround(int position);
    void loadCurrent();
    void calculate(Record &record);
    void checkOpen() const;
    void checkBrowseMode();
    void setState(State state);
    void emptyBuffer();
    void notifyCurrent();
    void notifyDetails();
    Statement &writeStatement(bool insert, const QList<int> &columns);
    void writeInsert();
    void writeUpdate();
    void afterWrite(qint64 rowid, bool inserted);
    QString selectColumns() const;
    // The table as SQL names it on the connection in use: schema-qualified while joined.
    QString tableSql() const;
    void resetStatements();

    Session &session_;
    QString name_;
    QString tableName_;
    QString openedPath_;
    QString table_;
    std::shared_ptr<Connection> connection_;
    std::shared_ptr<Connection> ownConnection_; // while joined to another cursor's
    QString joinedSchema_;
    std::optional<TableLock> lock_;
    Access access_ = Access::Shared;
    TableDef definition_;
    QList<FieldDef> calculated_;

    State state_ = State::Inactive;
    Record current_;
    Record original_;
    const Record *active_ = &current_;
    Statement *scan_ = nullptr; // while the filter hook examines rows of a scan
    Statement *fetchStatement_ = nullptr; // one record by record number
    Statement *keyStatement_ = nullptr;   // the index key of one record
    Statement *blockStatement_ = nullptr; // a block of records read ahead
    QHash<QByteArray, Statement *> writeStatements_;
    // Records read ahead in one query, so that a walk does not pay for a file lock per
    // record. Emptied by every write, refresh and rebuild of the list.
    QHash<qint64, QVariantList> readAhead_;
    // A block read inside a write transaction (BEGIN IMMEDIATE: no other program writes
    // until it ends) is what the file holds for as long as the transaction lasts and the
    // connection's writes are this cursor's own, which keep the block up to date. Then
    // `edit` need not read its record again.
    quint64 readAheadTransaction_ = 0;
    qint64 changesSeen_ = -1;
    bool readAheadVouched() const;
    void noteOwnWrite(bool vouchedBefore);
    int lastVisited_ = -1;
    QHash<QString, int> fieldNumbers_; // upper-case name → field number, calculated ones too
    // The names looked up last, kept as copies. A name whose characters lie where a kept
    // copy's lie is that name (the copy keeps them from being freed or changed), so the
    // constant names the rules pass for every record of a walk skip hashing.
    struct RecentName {
        QString name;
        int index = -1;
    };
    mutable std::array<RecentName, 16> recentNames_;
    mutable unsigned recentNext_ = 0;
    int lookUpFieldIndex(const QString &name) const;
    void prepareStatements();
    void setOrder(const Order &order);
    void changeOrder(const QString &indexName, const QString &fieldList);
    bool keepsPlace(int position, const Record &record);
    bool calculating_ = false;
    bool modified_ = false;

    std::vector<qint64> rows_;
    int position_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    int positionBeforeInsert_ = -1;

    QString indexName_;
    QString indexFieldNames_;
    Order order_;
    struct Range {
        QVariantList start;
        QVariantList end;
    };
    std::optional<Range> range_;
    FilterHook filterHook_;
    FilterHint filterHint_;
    bool filtered_ = false;

    Cursor *master_ = nullptr;
    QString masterFields_;
    std::optional<QVariantList> linkValues_;
    std::vector<Cursor *> details_;

    int controlsDisabled_ = 0;

    Hook beforePost_;
    Hook afterPost_;
    Hook calcFields_;
    StateHook stateChange_;
    QHash<QString, FieldHook> fieldHooksByName_; // upper-case field names
    QHash<int, FieldHook> fieldHooks_;           // the same, by field of the open table
    void bindFieldHooks();
};
