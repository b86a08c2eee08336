#pragma once

#include "widgets/AccessibleControl.h"

#include <QList>
#include <QPointer>
#include <QScrollArea>

#include <optional>

class QVariantAnimation;

// Pages side by side that scroll sideways and always come to rest on a whole page, each page
// filling the view. A drag (mouse or finger, on whatever part of a page does not take clicks
// itself) follows the pointer and on release settles on the next page when it went a fifth of a
// page that way, else on the nearest; the mouse wheel, the arrow keys, Page Up and Page Down turn
// one page, Home and End go to the first and last; a control that takes the focus brings its
// page in. The offset is reported on every move. A screen reader scrolls it a page left or right.
class PagingScrollView : public QScrollArea, public AccessibleControl
{
    Q_OBJECT

public:
    explicit PagingScrollView(QWidget* parent = nullptr);

    // The view takes the page and shows it after the others.
    void addPage(QWidget* page);
    // Takes the page out and deletes it once control returns to the event loop.
    void removePage(QWidget* page);
    int pageCount() const { return int(m_pages.size()); }

    // The page it rests on, or is on its way to.
    int currentPage() const { return m_target; }
    void scrollToPage(int page, bool animated);
    // Sliding on its own to the page it rests on next (after a drag, a key, the wheel).
    bool isSettling() const;
    // How far the content is scrolled, in pixels from its left edge.
    int contentOffset() const;

    Description accessibleDescription() const override;
    void accessibleAction(const QString& action) override;

Q_SIGNALS:
    // On every move, with the new offset.
    void didScroll(int offset);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Moves the focus without scrolling the focused control into view by pixels: its page
    // comes in whole instead.
    bool focusNextPrevChild(bool next) override;

private:
    void layoutPages();
    int pageWidth() const;
    int pageOf(const QWidget* descendant) const;

    QWidget* m_content;
    QList<QPointer<QWidget>> m_pages;
    QVariantAnimation* m_animation;
    int m_target = 0;
    std::optional<int> m_dragStartX;
    int m_dragStartOffset = 0;
    int m_wheelDelta = 0;
    bool m_relayingOut = false;
};
