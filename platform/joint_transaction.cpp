#include "platform/joint_transaction.h"

#include "platform/cursor.h"
#include "platform/sqlite_db.h"

JointTransaction::JointTransaction(std::initializer_list<Cursor *> cursors)
{
    try {
        for (Cursor *cursor : cursors) {
            if (!cursor->isOpen())
                continue;
            if (!hub_) {
                hub_ = cursor;
                continue;
            }
            cursor->joinConnectionOf(*hub_);
            joined_.push_back(cursor);
        }
        if (hub_)
            hub_->connection_->begin();
    } catch (...) {
        end();
        throw;
    }
}

// A record still being edited stays so: what the user typed is not lost with the writes.
JointTransaction::~JointTransaction()
{
    if (!committed_ && hub_) {
        try {
            hub_->connection_->rollback();
            if (!hub_->isEditing())
                hub_->refresh();
        } catch (const DbError &) {
            // The engine undoes an unfinished transaction itself when the file is next
            // opened; a destructor has nobody to report to.
        }
    }
    end();
}

void JointTransaction::commit()
{
    if (hub_)
        hub_->commit();
    committed_ = true;
}

// Every cursor goes back to its own connection and reads what its file now holds.
void JointTransaction::end()
{
    for (Cursor *cursor : joined_) {
        try {
            const bool editing = cursor->isEditing();
            cursor->leaveJoinedConnection();
            if (!editing)
                cursor->refresh();
        } catch (const DbError &) {
            // Left joined, the cursor still works through the other connection.
        }
    }
    joined_.clear();
}
