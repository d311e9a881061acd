#pragma once
// A cursor's view (order, range, filter, master) borrowed for a walk over the whole table in
// primary order and given back afterwards, whatever happens in between. Copies and imports
// that must see every record use it, whoever set up the view they found.

#include "platform/cursor.h"

class WholeTableView {
public:
    explicit WholeTableView(Cursor &cursor)
        : cursor_(cursor), filtered_(cursor.isFiltered()), indexName_(cursor.indexName()),
          indexFields_(cursor.indexFieldNames()), master_(cursor.master()),
          masterFields_(cursor.masterFields())
    {
        cursor_.setFiltered(false);
        cursor_.cancelRange();
        cursor_.setIndexName(QString());
        cursor_.setMaster(nullptr, QString());
    }
    ~WholeTableView()
    {
        try {
            cursor_.cancelRange();
            cursor_.setMaster(master_, masterFields_);
            if (!indexFields_.isEmpty())
                cursor_.setIndexFieldNames(indexFields_);
            else
                cursor_.setIndexName(indexName_);
            cursor_.setFiltered(filtered_);
        } catch (const DbError &) {
            // The walk is done; a view that cannot be restored is set again by its owner.
        }
    }
    WholeTableView(const WholeTableView &) = delete;
    WholeTableView &operator=(const WholeTableView &) = delete;

private:
    Cursor &cursor_;
    bool filtered_;
    QString indexName_;
    QString indexFields_;
    Cursor *master_;
    QString masterFields_;
};
