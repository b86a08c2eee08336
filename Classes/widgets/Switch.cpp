#include "widgets/Switch.h"

#include "widgets/Palette.h"

#include <QPainter>

Switch::Switch(QWidget* parent)
    : QAbstractButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
}

QSize Switch::sizeHint() const
{
    return { 52, 32 };
}

void Switch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const qreal radius = track.height() / 2;
    painter.setPen(
        QPen(Palette::colour(hasFocus() ? Palette::Colour::AccentText : Palette::Colour::Separator),
            hasFocus() ? 2 : 1));
    painter.setBrush(Palette::colour(isChecked() ? Palette::Colour::Accent : Palette::Colour::SurfaceMuted));
    painter.drawRoundedRect(track, radius, radius);
    const qreal knob = track.height() - 4;
    const qreal x = isChecked() ? track.right() - 2 - knob : track.left() + 2;
    painter.setPen(Palette::colour(Palette::Colour::Separator));
    painter.setBrush(Palette::colour(isDown() ? Palette::Colour::Pressed : Palette::Colour::Surface));
    painter.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
}
