#include "widgets/NavigationItem.h"

namespace {

// A bar button that goes away takes its place in the bar with it.
void watch(NavigationItem* item, QAction* action)
{
    if (action)
        QObject::connect(action, &QObject::destroyed, item, &NavigationItem::changed, Qt::UniqueConnection);
}

} // namespace

void NavigationItem::setTitle(const QString& title)
{
    if (title == m_title)
        return;
    m_title = title;
    Q_EMIT changed();
}

void NavigationItem::setLeftBarButtonItem(QAction* item)
{
    if (item == m_left)
        return;
    m_left = item;
    watch(this, item);
    Q_EMIT changed();
}

void NavigationItem::setRightBarButtonItem(QAction* item)
{
    if (item == m_right)
        return;
    m_right = item;
    watch(this, item);
    Q_EMIT changed();
}
