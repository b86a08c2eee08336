#pragma once

#include <QBrush>
#include <QPainterPath>
#include <QPointF>

class QPainter;

// Fills a path over a soft drop shadow, as a platform shadow would: the path's shape in black
// at one third opacity, blurred by a Gaussian and moved by an offset, then the path itself.
// QPainter has no shadows of its own.
class SoftShadow
{
public:
    // blur is the shadow's spread in drawing units (twice the Gaussian's standard deviation).
    static void fillPath(
        QPainter& painter, const QPainterPath& path, const QBrush& brush, const QPointF& offset, qreal blur);
};
