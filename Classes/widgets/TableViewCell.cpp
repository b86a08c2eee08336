#include "widgets/TableViewCell.h"

#include "widgets/Palette.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

const qreal kCornerRadius = 8.0;
const int kPadding = 10;

} // namespace

TableViewCell::TableViewCell(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

AccessibleControl::Description TableViewCell::accessibleDescription() const
{
    Description row;
    row.role = QAccessible::Button;
    row.value = accessibleValue();
    row.enabled = isEnabled();
    if (row.enabled)
        row.actions = { QAccessibleActionInterface::pressAction() };
    return row;
}

void TableViewCell::accessibleAction(const QString&)
{
    Q_EMIT tapped();
}

void TableViewCell::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(Palette::colour(hasFocus() ? Palette::Colour::Accent : Palette::Colour::Separator),
        hasFocus() ? 2.0 : 1.0));
    painter.setBrush(Palette::colour(m_pressed ? Palette::Colour::Pressed : Palette::Colour::Surface));
    painter.drawRoundedRect(card, kCornerRadius, kCornerRadius);
    drawContents(painter, rect().adjusted(kPadding, 0, -kPadding, 0));
}

void TableViewCell::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressed = true;
    QWidget::update();
}

// A press that ends outside the row, as a drag away does, taps nothing.
void TableViewCell::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pressed) {
        event->ignore();
        return;
    }
    m_pressed = false;
    QWidget::update();
    if (rect().contains(event->position().toPoint()))
        Q_EMIT tapped();
}

void TableViewCell::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT tapped();
        return;
    default:
        event->ignore();
    }
}

void TableViewCell::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    QWidget::update();
}

void TableViewCell::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    QWidget::update();
}
