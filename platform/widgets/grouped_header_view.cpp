#include "platform/widgets/grouped_header_view.h"

#include <QPainter>
#include <QStyleOptionHeader>

GroupedHeaderView::GroupedHeaderView(QWidget *parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setDefaultAlignment(Qt::AlignCenter);
}

void GroupedHeaderView::setGroups(const QStringList &groups)
{
    groups_ = groups;
    // The grid lays out its header again only when told its size may have changed.
    emit geometriesChanged();
    viewport()->update();
}

void GroupedHeaderView::setTitleLines(int lines)
{
    titleLines_ = std::max(1, lines);
    emit geometriesChanged();
    viewport()->update();
}

bool GroupedHeaderView::hasGroups() const
{
    return std::any_of(groups_.cbegin(), groups_.cend(), [](const QString &g) { return !g.isEmpty(); });
}

int GroupedHeaderView::bandHeight() const
{
    return hasGroups() ? fontMetrics().height() + 6 : 0;
}

QSize GroupedHeaderView::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    size.setHeight(bandHeight() + titleLines_ * fontMetrics().lineSpacing() + 8);
    return size;
}

QString GroupedHeaderView::groupOf(int logicalIndex) const
{
    return groups_.value(logicalIndex);
}

QRect GroupedHeaderView::groupRect(int logicalIndex, const QRect &sectionRect) const
{
    const QString group = groupOf(logicalIndex);
    int first = visualIndex(logicalIndex);
    int last = first;
    while (first > 0 && groupOf(this->logicalIndex(first - 1)) == group)
        --first;
    while (last + 1 < count() && groupOf(this->logicalIndex(last + 1)) == group)
        ++last;
    const int left = sectionViewportPosition(this->logicalIndex(first));
    const int right = sectionViewportPosition(this->logicalIndex(last))
                      + sectionSize(this->logicalIndex(last));
    return QRect(left, sectionRect.top(), right - left, bandHeight());
}

void GroupedHeaderView::paintCell(QPainter *painter, const QRect &rect, int logicalIndex,
                                  const QString &text, int alignment) const
{
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    option.position = QStyleOptionHeader::Middle;
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    painter->save();
    painter->setClipRect(rect.adjusted(1, 1, -1, -1));
    painter->drawText(rect.adjusted(3, 2, -3, -2), alignment | Qt::TextWordWrap, text);
    painter->restore();
}

void GroupedHeaderView::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    const QString title = model() ? model()->headerData(logicalIndex, orientation()).toString()
                                  : QString();
    QRect titleRect = rect;
    if (hasGroups() && !groupOf(logicalIndex).isEmpty()) {
        // Every column of a group paints the whole band, so a partial repaint still shows
        // the group's name centred over all of its columns.
        paintCell(painter, groupRect(logicalIndex, rect), logicalIndex, groupOf(logicalIndex),
                  Qt::AlignCenter);
        titleRect.setTop(rect.top() + bandHeight());
    }
    paintCell(painter, titleRect, logicalIndex, title, Qt::AlignCenter);
}
