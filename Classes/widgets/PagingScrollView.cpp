#include "widgets/PagingScrollView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QVariantAnimation>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// A drag this far (as a share of the page) turns the page.
const double kTurningShare = 0.2;
// One notch of a common mouse wheel.
const int kWheelNotch = 120;
const int kSettleMilliseconds = 250;

} // namespace

PagingScrollView::PagingScrollView(QWidget* parent)
    : QScrollArea(parent)
    , m_content(new QWidget)
    , m_animation(new QVariantAnimation(this))
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    setWidgetResizable(false);
    setWidget(m_content);
    viewport()->setAutoFillBackground(false);
    m_content->setAutoFillBackground(false);

    m_animation->setDuration(kSettleMilliseconds);
    m_animation->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_animation, &QVariantAnimation::valueChanged, this,
        [this](const QVariant& offset) { horizontalScrollBar()->setValue(offset.toInt()); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int offset) {
        if (!m_relayingOut)
            Q_EMIT didScroll(offset);
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        const int page = pageOf(now);
        if (page >= 0 && page != m_target)
            scrollToPage(page, true);
    });
}

void PagingScrollView::addPage(QWidget* page)
{
    page->setParent(m_content);
    m_pages.append(page);
    layoutPages();
    page->show();
}

void PagingScrollView::removePage(QWidget* page)
{
    if (!m_pages.removeOne(page))
        return;
    page->hide();
    page->deleteLater();
    m_target = std::clamp(m_target, 0, std::max(0, pageCount() - 1));
    layoutPages();
}

int PagingScrollView::contentOffset() const
{
    return horizontalScrollBar()->value();
}

bool PagingScrollView::isSettling() const
{
    return m_animation->state() == QAbstractAnimation::Running;
}

int PagingScrollView::pageWidth() const
{
    return viewport()->width();
}

void PagingScrollView::scrollToPage(int page, bool animated)
{
    m_target = std::clamp(page, 0, std::max(0, pageCount() - 1));
    m_animation->stop();
    const int offset = m_target * pageWidth();
    if (!animated || offset == contentOffset()) {
        horizontalScrollBar()->setValue(offset);
        return;
    }
    m_animation->setStartValue(contentOffset());
    m_animation->setEndValue(offset);
    m_animation->start();
}

// Every page gets the view's size; the content keeps showing the page it rested on. The offset
// is reported once the pages are in place, so nobody sees the one in between.
void PagingScrollView::layoutPages()
{
    m_relayingOut = true;
    m_animation->stop();
    const QSize page = viewport()->size();
    m_pages.removeAll(nullptr);
    m_content->resize(page.width() * std::max(1, pageCount()), page.height());
    for (qsizetype i = 0; i < m_pages.size(); ++i)
        m_pages.at(i)->setGeometry(int(i) * page.width(), 0, page.width(), page.height());
    horizontalScrollBar()->setValue(m_target * page.width());
    m_relayingOut = false;
    Q_EMIT didScroll(contentOffset());
}

int PagingScrollView::pageOf(const QWidget* descendant) const
{
    for (qsizetype i = 0; i < m_pages.size(); ++i) {
        const QWidget* page = m_pages.at(i);
        if (page && (page == descendant || page->isAncestorOf(descendant)))
            return int(i);
    }
    return -1;
}

void PagingScrollView::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    layoutPages();
}

void PagingScrollView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QScrollArea::mousePressEvent(event);
        return;
    }
    m_animation->stop();
    m_dragStartX = int(event->globalPosition().x());
    m_dragStartOffset = contentOffset();
}

void PagingScrollView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragStartX) {
        QScrollArea::mouseMoveEvent(event);
        return;
    }
    horizontalScrollBar()->setValue(m_dragStartOffset - (int(event->globalPosition().x()) - *m_dragStartX));
}

void PagingScrollView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_dragStartX || event->button() != Qt::LeftButton) {
        QScrollArea::mouseReleaseEvent(event);
        return;
    }
    const int dragged = int(event->globalPosition().x()) - *m_dragStartX;
    m_dragStartX.reset();
    const int width = std::max(1, pageWidth());
    const int startPage = int(std::lround(double(m_dragStartOffset) / width));
    int page = int(std::lround(double(contentOffset()) / width));
    if (dragged <= -kTurningShare * width)
        page = startPage + 1;
    else if (dragged >= kTurningShare * width)
        page = startPage - 1;
    scrollToPage(page, true);
}

// Wheels that report in small steps (touchpads) turn a page once they add up to a notch; the
// turn in progress finishes before the next one.
void PagingScrollView::wheelEvent(QWheelEvent* event)
{
    event->accept();
    if (isSettling()) {
        m_wheelDelta = 0;
        return;
    }
    const QPoint delta = event->angleDelta();
    m_wheelDelta += std::abs(delta.x()) > std::abs(delta.y()) ? delta.x() : delta.y();
    if (std::abs(m_wheelDelta) < kWheelNotch)
        return;
    const int turn = m_wheelDelta < 0 ? 1 : -1;
    m_wheelDelta = 0;
    scrollToPage(m_target + turn, true);
}

void PagingScrollView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_PageUp:
        scrollToPage(m_target - 1, true);
        break;
    case Qt::Key_Right:
    case Qt::Key_PageDown:
        scrollToPage(m_target + 1, true);
        break;
    case Qt::Key_Home:
        scrollToPage(0, true);
        break;
    case Qt::Key_End:
        scrollToPage(pageCount() - 1, true);
        break;
    default:
        event->ignore();
    }
}

AccessibleControl::Description PagingScrollView::accessibleDescription() const
{
    Description pages;
    pages.role = QAccessible::Pane;
    pages.value = QStringLiteral("%1/%2").arg(m_target + 1).arg(pageCount());
    pages.actions
        = { QAccessibleActionInterface::scrollLeftAction(), QAccessibleActionInterface::scrollRightAction() };
    return pages;
}

void PagingScrollView::accessibleAction(const QString& action)
{
    scrollToPage(m_target + (action == QAccessibleActionInterface::scrollLeftAction() ? -1 : 1), true);
}

bool PagingScrollView::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}
