#include "charts/BackgroundButton.h"

#include "charts/CPColor.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>
#include <QStylePainter>

BackgroundButton::BackgroundButton(QWidget* parent)
    : QPushButton(parent)
{ }

BackgroundButton::BackgroundButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{ }

QLinearGradient BackgroundButton::normalGradient(const QColor& startColor, const QColor& endColor)
{
    QLinearGradient gradient;
    gradient.setColorAt(0.0, startColor);
    gradient.setColorAt(1.0, endColor);
    return gradient;
}

void BackgroundButton::drawBackground(QPainter& painter, const QRectF& rect, bool highlighted)
{
    QLinearGradient gradient = highlighted ? normalGradient(QColor(186, 192, 193), QColor(220, 223, 224))
                                           : normalGradient(QColor(238, 241, 243), QColor(215, 220, 224));
    gradient.setStart(rect.left(), rect.bottom());
    gradient.setFinalStop(rect.left(), rect.top());
    painter.fillRect(rect, gradient);
}

void BackgroundButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(rect());
    // The border is one unit wide inside the bounds, with the corners clipped round.
    const QRectF borderRect = bounds.adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath rounded;
    rounded.addRoundedRect(bounds, kCornerRadius, kCornerRadius);
    painter.save();
    painter.setClipPath(rounded);
    drawBackground(painter, bounds, isDown());
    painter.restore();
    painter.setPen(QPen(CPColor::lightGrayColor().cgColor(), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(borderRect, kCornerRadius - 0.5, kCornerRadius - 0.5);

    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonLabel, option);
}
