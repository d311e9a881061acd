#pragma once
// A command that writes several table files commits them together or not at all. For as
// long as this lives the other cursors work through the first open one's connection, and
// one transaction spans every file; its commit is SQLite's multi-file commit, so a crash or
// a failed write leaves all the files as they were. Undone unless committed, also when a
// save fails or the engine throws on the way. Walks inside it (TableTransaction) nest in it.

#include <initializer_list>
#include <vector>

class Cursor;

class JointTransaction {
public:
    // Cursors that are closed take no part.
    explicit JointTransaction(std::initializer_list<Cursor *> cursors);
    ~JointTransaction();
    JointTransaction(const JointTransaction &) = delete;
    JointTransaction &operator=(const JointTransaction &) = delete;

    void commit();

private:
    void end();

    Cursor *hub_ = nullptr;
    std::vector<Cursor *> joined_;
    bool committed_ = false;
};
