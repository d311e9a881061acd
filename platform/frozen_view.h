#pragma once
// Scopes for walks that move a cursor the windows show: the views stay frozen while the walk
// runs and see the cursor again however it ends, a failure half-way included. A view left
// frozen after a failed walk would never follow its cursor again.

#include "platform/cursor.h"
#include "platform/db_error.h"

class FrozenView {
public:
    explicit FrozenView(Cursor &cursor) : cursor_(cursor) { cursor_.disableControls(); }
    ~FrozenView() { cursor_.enableControls(); }
    FrozenView(const FrozenView &) = delete;
    FrozenView &operator=(const FrozenView &) = delete;

private:
    Cursor &cursor_;
};

// A frozen view whose cursor is back on the record it stood on when the walk ends.
class FrozenWalk {
public:
    explicit FrozenWalk(Cursor &cursor) : cursor_(cursor), place_(cursor.bookmark()), view_(cursor) {}
    ~FrozenWalk()
    {
        try {
            if (cursor_.bookmarkValid(place_))
                cursor_.gotoBookmark(place_);
        } catch (const DbError &) {
            // The cursor stays where the walk left it; a destructor has nobody to report to.
        }
    }
    FrozenWalk(const FrozenWalk &) = delete;
    FrozenWalk &operator=(const FrozenWalk &) = delete;

private:
    Cursor &cursor_;
    Cursor::Bookmark place_;
    FrozenView view_;
};
