#include "screens/overview/NLPageControl.h"

#include "platform/MainBundle.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const int kDot = 6;
const int kPitch = 8;

} // namespace

NLPageControl::NLPageControl(QWidget* parent)
    : QWidget(parent)
{
    setAccessibleName(MainBundle::localizedString("车辆页面"));
    setCursor(Qt::PointingHandCursor);
}

void NLPageControl::setNumberOfPages(int pages)
{
    if (pages == m_numberOfPages)
        return;
    m_numberOfPages = pages;
    QWidget::update();
}

void NLPageControl::setCurrentPage(int page)
{
    if (page == m_currentPage)
        return;
    m_currentPage = page;
    QWidget::update();
}

void NLPageControl::updateCurrentPageDisplay()
{
    QWidget::update();
}

QRect NLPageControl::rectForNumberOfPages(int index) const
{
    if (index < 0 || index >= m_numberOfPages)
        return QRect();
    const QRect bounds = rect();
    return QRect(bounds.x() + (bounds.width() - kPitch * m_numberOfPages) / 2 + kPitch * index,
        bounds.y() + (bounds.height() - kPitch) / 2, kDot, kDot);
}

AccessibleControl::Description NLPageControl::accessibleDescription() const
{
    Description control;
    control.role = QAccessible::PageTabList;
    control.value = m_pageNames.value(m_currentPage);
    return control;
}

AccessibleControl::Description NLPageControl::accessiblePart(int index) const
{
    Description dot;
    dot.role = QAccessible::PageTab;
    dot.name = m_pageNames.value(index);
    dot.checkable = true;
    dot.checked = index == m_currentPage;
    dot.actions = { QAccessibleActionInterface::pressAction() };
    dot.rect = rectForNumberOfPages(index);
    return dot;
}

void NLPageControl::accessiblePartAction(int index, const QString&)
{
    setCurrentPage(index);
    Q_EMIT valueChanged();
}

void NLPageControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < m_numberOfPages; ++i) {
        painter.setBrush(i == m_currentPage ? mCurrentRoundColor : roundColor);
        painter.drawEllipse(rectForNumberOfPages(i));
    }
}

void NLPageControl::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void NLPageControl::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    if (!rect().contains(at.toPoint()))
        return;
    const QRect current = rectForNumberOfPages(m_currentPage);
    if (at.x() > current.right() + 1 && m_currentPage < m_numberOfPages - 1)
        setCurrentPage(m_currentPage + 1);
    else if (at.x() < current.left() && m_currentPage >= 1)
        setCurrentPage(m_currentPage - 1);
    Q_EMIT valueChanged();
}
