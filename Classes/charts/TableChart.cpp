#include "charts/TableChart.h"

#include "charts/CPColor.h"
#include "charts/CTextStyleExtensions.h"
#include "platform/FontCatalog.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace {

constexpr qreal kTextInset = 8.0;
constexpr int kMinimumFontSize = 10;

QPen gridPen()
{
    return QPen(QBrush(CPColor::grayColor().cgColor()), 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

// One cell's text on one line: the font made smaller, a unit at a time down to the minimum,
// until the text fits the width; if even the minimum does not, the text is cut short.
void drawCellText(
    QPainter& context, const QString& text, const QRectF& cell, int fontSize, const QColor& color)
{
    const qreal width = cell.width() - kTextInset;
    QFont font = CTextStyleExtensions::fontInDrawingUnits(FontCatalog::systemFontOfSize(fontSize));
    while (fontSize > kMinimumFontSize && QFontMetricsF(font).horizontalAdvance(text) > width) {
        --fontSize;
        font = CTextStyleExtensions::fontInDrawingUnits(FontCatalog::systemFontOfSize(fontSize));
    }
    const QString shown = QFontMetricsF(font).elidedText(text, Qt::ElideRight, qMax(0.0, width));
    const qreal height = CTextStyleExtensions::sizeWithFont(shown, font).height();
    CTextStyleExtensions::drawAtPoint(shown,
        QPointF(cell.left() + kTextInset, cell.top() + (cell.height() - height) / 2), font, color, context);
}

} // namespace

bool TableChart::TableChartDraw(QPainter& context, const QRectF& toRect, unsigned rowCount,
    unsigned columnCount, const QList<QStringList>& rowDataSource)
{
    const qreal columnWidth = toRect.width() / (columnCount + 0.5);
    const qreal rowHeight = toRect.height() / rowCount;
    if (columnWidth < 0 || rowHeight < 0)
        return false;

    context.save();
    context.setPen(gridPen());
    context.setBrush(Qt::NoBrush);
    context.drawRect(toRect);
    context.setRenderHint(QPainter::Antialiasing, false);
    for (unsigned i = 1; i < rowCount; ++i) {
        const qreal y = toRect.top() + i * rowHeight;
        context.drawLine(QLineF(toRect.left(), y, toRect.right(), y));
    }
    for (unsigned j = 1; j < columnCount; ++j) {
        const qreal x = toRect.left() + j * columnWidth;
        context.drawLine(QLineF(x, toRect.top(), x, toRect.bottom()));
    }
    context.restore();

    const qsizetype rows = std::min(rowDataSource.size(), qsizetype(rowCount));
    for (qsizetype r = 0; r < rows; ++r) {
        const QStringList& row = rowDataSource.at(r);
        const qsizetype cells = std::min(row.size(), qsizetype(columnCount));
        for (qsizetype c = 0; c < cells; ++c) {
            const qreal left = c * columnWidth;
            const qreal width = c == row.size() - 1 ? toRect.width() - left : columnWidth;
            const QRectF cell(toRect.left() + left, toRect.top() + r * rowHeight, width, rowHeight);
            if (c == 0)
                drawCellText(context, row.at(c), cell, 14, CPColor::brownColor().cgColor());
            else
                drawCellText(context, row.at(c), cell, 12, CPColor::blackColor().cgColor());
        }
    }
    return true;
}
