#include "charts/GradientView.h"

#include <QLinearGradient>
#include <QPainter>

GradientView::GradientView(QWidget* parent)
    : QWidget(parent)
{ }

void GradientView::drawGradient(QPainter& painter, const QRectF& rect)
{
    painter.save();
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, QColor(218, 218, 218));
    gradient.setColorAt(1.0, QColor(188, 188, 188));
    painter.fillRect(rect, gradient);

    // Aliased one-unit lines cover the row below their y, so the bottom line sits one unit up
    // to stay inside the bar.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor::fromRgbF(160.0f / 255.0f, 160.0f / 255.0f, 160.0f / 255.0f), 1.0));
    painter.drawLine(QPointF(rect.left(), rect.top() + 1), QPointF(rect.right(), rect.top() + 1));
    painter.setPen(QPen(QColor::fromRgbF(1.0f / 3.0f, 1.0f / 3.0f, 1.0f / 3.0f), 1.0));
    painter.drawLine(QPointF(rect.left(), rect.bottom() - 1), QPointF(rect.right(), rect.bottom() - 1));
    painter.restore();
}

void GradientView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawGradient(painter, QRectF(rect()));
}
