#include "platform/print/report_source.h"

#include "platform/cursor.h"

bool CursorReportSource::first()
{
    cursor_.first();
    return !cursor_.isEmpty();
}

bool CursorReportSource::next()
{
    cursor_.next();
    return !cursor_.eof();
}

bool IndexReportSource::first()
{
    index_ = 0;
    return index_ < count_;
}

bool IndexReportSource::next()
{
    ++index_;
    return index_ < count_;
}
