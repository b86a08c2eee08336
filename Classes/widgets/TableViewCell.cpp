#include "widgets/TableViewCell.h"

#include "widgets/Palette.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

constexpr int kPadding = 12;
constexpr int kChevronWidth = 18;

} // namespace

TableViewCell::TableViewCell(int height, QWidget* parent)
    : QAbstractButton(parent)
{
    setFixedHeight(height);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void TableViewCell::setShowsDisclosureIndicator(bool shows)
{
    m_showsDisclosure = shows;
    update();
}

void TableViewCell::setDrawsCard(bool draws)
{
    m_drawsCard = draws;
    update();
}

QRect TableViewCell::contentRect() const
{
    return rect().adjusted(kPadding, 0, -(kPadding + (m_showsDisclosure ? kChevronWidth : 0)), 0);
}

void TableViewCell::paintStates(QPainter& painter, const QRectF& shape, qreal radius)
{
    if (isDown()) {
        QColor shade = Palette::colour(Palette::Colour::Pressed);
        shade.setAlpha(150);
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        painter.drawRoundedRect(shape, radius, radius);
    }
    if (hasFocus()) {
        painter.setPen(QPen(Palette::colour(Palette::Colour::Accent), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(shape.adjusted(1, 1, -1, -1), radius, radius);
    }
}

void TableViewCell::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF shape = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (m_drawsCard) {
        painter.setPen(Palette::colour(Palette::Colour::Separator));
        painter.setBrush(Palette::colour(Palette::Colour::Surface));
        painter.drawRoundedRect(shape, 8, 8);
    }
    paintStates(painter, shape, 8);
    if (m_showsDisclosure) {
        const QPointF tip(width() - kPadding - 4, height() / 2.0);
        painter.setPen(QPen(
            Palette::colour(Palette::Colour::SecondaryText), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(QPolygonF({ tip + QPointF(-5, -6), tip, tip + QPointF(-5, 6) }));
    }
    painter.setPen(Palette::colour(Palette::Colour::Text));
    paintContent(painter, contentRect());
}

void TableViewCell::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        animateClick();
        return;
    case Qt::Key_Down:
        focusNextChild();
        return;
    case Qt::Key_Up:
        focusPreviousChild();
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}
