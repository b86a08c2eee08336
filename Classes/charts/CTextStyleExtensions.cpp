#include "charts/CTextStyleExtensions.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

#include <cmath>

namespace {

void applyFont(const QFont& font, const QColor& color, QPainter& painter)
{
    painter.setPen(color);
    painter.setBrush(color);
    painter.setFont(font);
}

} // namespace

QFont CTextStyleExtensions::fontInDrawingUnits(QFont font)
{
    const qreal size = font.pointSizeF() > 0 ? font.pointSizeF() : qreal(font.pixelSize());
    font.setPixelSize(qMax(1, qRound(size)));
    return font;
}

QSizeF CTextStyleExtensions::sizeWithFont(const QString& text, const QFont& font)
{
    const QFontMetricsF metrics(font);
    return QSizeF(std::ceil(metrics.horizontalAdvance(text)), std::ceil(metrics.height()));
}

QSizeF CTextStyleExtensions::sizeWithTextStyle(const QString& text, const CTextStyle& style)
{
    return sizeWithFont(text, style.font());
}

void CTextStyleExtensions::drawAtPoint(
    const QString& text, const QPointF& point, const CTextStyle& style, QPainter& inContext)
{
    if (style.color)
        drawAtPoint(text, point, style.font(), style.color->cgColor(), inContext);
}

void CTextStyleExtensions::drawAtPoint(
    const QString& text, const QPointF& point, const QFont& font, const QColor& color, QPainter& inContext)
{
    inContext.save();
    applyFont(font, color, inContext);
    const QPointF baseline(point.x(), point.y() + QFontMetricsF(font).ascent());
    inContext.drawText(baseline, text);
    inContext.restore();
}

void CTextStyleExtensions::drawInRect(const QString& text, const QRectF& rect, const CTextStyle& style,
    LineBreakMode lineBreakMode, Qt::Alignment alignment, QPainter& inContext)
{
    if (style.color)
        drawInRect(text, rect, style.font(), style.color->cgColor(), lineBreakMode, alignment, inContext);
}

void CTextStyleExtensions::drawInRect(const QString& text, const QRectF& rect, const QFont& font,
    const QColor& color, LineBreakMode lineBreakMode, Qt::Alignment alignment, QPainter& inContext)
{
    inContext.save();
    applyFont(font, color, inContext);
    const int flags = int(alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
    const int oneLine = flags | Qt::TextSingleLine | Qt::TextDontClip;
    switch (lineBreakMode) {
    case LineBreakMode::WordWrap:
        inContext.drawText(rect, flags | Qt::TextWordWrap, text);
        break;
    case LineBreakMode::CharacterWrap:
        inContext.drawText(rect, flags | Qt::TextWrapAnywhere, text);
        break;
    case LineBreakMode::Clip:
        inContext.setClipRect(rect, Qt::IntersectClip);
        inContext.drawText(rect, oneLine, text);
        break;
    case LineBreakMode::HeadTruncation:
        inContext.drawText(rect, oneLine, QFontMetricsF(font).elidedText(text, Qt::ElideLeft, rect.width()));
        break;
    case LineBreakMode::TailTruncation:
        inContext.drawText(rect, oneLine, QFontMetricsF(font).elidedText(text, Qt::ElideRight, rect.width()));
        break;
    case LineBreakMode::MiddleTruncation:
        inContext.drawText(
            rect, oneLine, QFontMetricsF(font).elidedText(text, Qt::ElideMiddle, rect.width()));
        break;
    }
    inContext.restore();
}

void CTextStyleExtensions::drawAtPoint(
    const QString& text, const QPointF& point, const CTextStyle& style, QPainter& inContext, qreal rotate)
{
    if (!style.color)
        return;
    inContext.save();
    inContext.translate(point);
    inContext.rotate(qRadiansToDegrees(rotate));
    inContext.translate(-point);
    drawAtPoint(text, point, style, inContext);
    inContext.restore();
}
