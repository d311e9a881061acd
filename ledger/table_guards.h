#pragma once
// Scopes for the long walks of the ledger commands: a view frozen while the walk moves its
// cursor, and a transaction that is undone unless the walk reaches its commit, also when a
// save fails or the engine throws on the way.

#include "platform/frozen_view.h"

class TableTransaction {
public:
    explicit TableTransaction(Cursor &cursor) : cursor_(cursor) { cursor_.beginTransaction(); }
    ~TableTransaction()
    {
        if (committed_)
            return;
        try {
            cursor_.rollback();
        } catch (const DbError &) {
            // The engine undoes an unfinished transaction itself when the file is next
            // opened; a destructor has nobody to report to.
        }
    }
    TableTransaction(const TableTransaction &) = delete;
    TableTransaction &operator=(const TableTransaction &) = delete;

    void commit()
    {
        cursor_.commit();
        committed_ = true;
    }

private:
    Cursor &cursor_;
    bool committed_ = false;
};
