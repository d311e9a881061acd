#pragma once
// The rows a report's detail band prints, one after the other. The band's values read the
// current row themselves (a cursor's fields, an element of a list).

class Cursor;

class ReportSource {
public:
    virtual ~ReportSource() = default;
    // Each returns whether a row is current afterwards.
    virtual bool first() = 0;
    virtual bool next() = 0;
};

// The records a cursor reaches, in its order.
class CursorReportSource final : public ReportSource {
public:
    explicit CursorReportSource(Cursor &cursor) : cursor_(cursor) {}
    bool first() override;
    bool next() override;

private:
    Cursor &cursor_;
};

// Rows 0 .. count − 1 of something the values index themselves.
class IndexReportSource final : public ReportSource {
public:
    explicit IndexReportSource(int count) : count_(count) {}
    bool first() override;
    bool next() override;
    int index() const { return index_; }

private:
    int count_;
    int index_ = 0;
};
