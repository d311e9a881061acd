#pragma once
// A grid's column header with titles over several lines and group headers: neighbouring
// columns that name the same group share one band above their titles. Titles break at their
// own line breaks and wrap at word boundaries within the lines reserved for them.

#include <QHeaderView>
#include <QStringList>

class GroupedHeaderView : public QHeaderView {
    Q_OBJECT

public:
    explicit GroupedHeaderView(QWidget *parent = nullptr);

    // One entry per column; an empty one has no group. No groups: no band at all.
    void setGroups(const QStringList &groups);
    const QStringList &groups() const { return groups_; }
    // Lines of text the titles get below the band.
    void setTitleLines(int lines);
    int titleLines() const { return titleLines_; }
    bool hasGroups() const;

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    int bandHeight() const;
    QString groupOf(int logicalIndex) const;
    // The visual span of the group the column belongs to, as a rectangle in the viewport.
    QRect groupRect(int logicalIndex, const QRect &sectionRect) const;
    void paintCell(QPainter *painter, const QRect &rect, int logicalIndex, const QString &text,
                   int alignment) const;

    QStringList groups_;
    int titleLines_ = 1;
};
