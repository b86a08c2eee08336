#include "screens/settings/ButtonCell.h"

#include "widgets/Palette.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr qreal kInset = 10;
constexpr qreal kCornerRadius = 10;

QRectF barRect(const QRectF& rect)
{
    return rect.adjusted(kInset, 0, -kInset, 0);
}

qreal cornerRadius(const QRectF& bar)
{
    return qMin(kCornerRadius, qMin(bar.width(), bar.height()) / 2);
}

} // namespace

ButtonCell::ButtonCell(const QString& caption, int buttonStyle, QWidget* parent)
    : TableViewCell(kHeight, parent)
    , mButton(caption)
    , m_buttonStyle(buttonStyle)
{
    setAccessibleName(caption);
}

// The gradient's colours are the button's look itself, the same on every screen that has one.
void ButtonCell::drawBar(QPainter& painter, const QRectF& rect, int buttonStyle)
{
    struct Stop
    {
        qreal at;
        QColor green;
        QColor red;
    };
    static const Stop stops[] = {
        { 0, QColor(13, 155, 35), QColor(237, 20, 20) },
        { 0.5, QColor(14, 185, 29), QColor(225, 1, 17) },
        { 0.51, QColor(65, 191, 74), QColor(231, 51, 64) },
        { 1, QColor(162, 198, 156), QColor(240, 131, 139) },
    };
    const QRectF bar = barRect(rect);
    QLinearGradient gradient(bar.left(), bar.bottom(), bar.left(), bar.top());
    for (const Stop& stop : stops)
        gradient.setColorAt(stop.at, buttonStyle == 0 ? stop.green : stop.red);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    const qreal radius = cornerRadius(bar);
    painter.drawRoundedRect(bar, radius, radius);
}

void ButtonCell::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBar(painter, rect(), m_buttonStyle);
    const QRectF bar = barRect(rect());
    paintStates(painter, bar, cornerRadius(bar));
    paintContent(painter, bar.toRect());
}

void ButtonCell::paintContent(QPainter& painter, const QRect& area)
{
    painter.setFont(Palette::font(Palette::Font::PopupTitle));
    painter.setPen(Qt::white);
    painter.drawText(
        area, Qt::AlignCenter, painter.fontMetrics().elidedText(mButton, Qt::ElideRight, area.width() - 16));
}
