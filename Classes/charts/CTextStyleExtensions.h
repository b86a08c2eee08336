#pragma once

#include "charts/CTextStyle.h"

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

// How a text that does not fit its rectangle is laid out.
enum class LineBreakMode
{
    WordWrap, // wrapped at word boundaries onto further lines
    CharacterWrap, // wrapped at any character
    Clip, // one line, cut off at the edge
    HeadTruncation, // one line, "…" replacing the start
    TailTruncation, // one line, "…" replacing the end
    MiddleTruncation // one line, "…" replacing the middle
};

// Measuring and drawing a text with a CTextStyle, or a font and colour, into any painter. Texts
// are drawn with their top-left corner at the given point, in the colour for both pen and brush;
// the painter's state is left as it was. A style without colour draws nothing.
class CTextStyleExtensions
{
public:
    // Chart geometry is in drawing units (a point of the design is one unit of the painter), so
    // a font of size s must be s units tall whatever the device's resolution: the same chart
    // then keeps its proportions on screen, in an image and on a PDF page whose painter is
    // scaled to points. Sizes are whole units; every size the charts use is.
    static QFont fontInDrawingUnits(QFont font);

    // The size of a one-line text, rounded up to whole units, so that a rectangle of that size
    // holds it on one line.
    static QSizeF sizeWithFont(const QString& text, const QFont& font);
    static QSizeF sizeWithTextStyle(const QString& text, const CTextStyle& style);

    static void drawAtPoint(
        const QString& text, const QPointF& point, const CTextStyle& style, QPainter& inContext);
    static void drawAtPoint(const QString& text, const QPointF& point, const QFont& font, const QColor& color,
        QPainter& inContext);

    // Word and character wrapping fill the rectangle line by line from its top, cut off at its
    // edges; the other modes draw a single line at its top. The alignment is horizontal.
    static void drawInRect(const QString& text, const QRectF& rect, const CTextStyle& style,
        LineBreakMode lineBreakMode, Qt::Alignment alignment, QPainter& inContext);
    static void drawInRect(const QString& text, const QRectF& rect, const QFont& font, const QColor& color,
        LineBreakMode lineBreakMode, Qt::Alignment alignment, QPainter& inContext);

    // Rotated about the point by rotate radians (positive turns clockwise on screen).
    static void drawAtPoint(const QString& text, const QPointF& point, const CTextStyle& style,
        QPainter& inContext, qreal rotate);
};
