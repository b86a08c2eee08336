#pragma once

#include <QList>
#include <QRectF>
#include <QStringList>

class QPainter;

// A grid of texts, as the PDF report's car summary shows it: equal columns, of which the last
// is half as wide again, and equal rows.
class TableChart
{
public:
    // Draws a grid of rowCount rows and columnCount columns over toRect and the texts of
    // rowDataSource into its cells: each row's first text in brown 14-point type, the others in
    // black 12-point type, vertically centred, 8 units in from the cell's left edge, shrunk
    // down to 10 points and then cut short with an ellipsis when they do not fit. A row's last
    // text reaches to the right edge of the table. Rows and texts beyond the counts are left
    // out. False, with nothing drawn, when the rectangle has a negative width or height.
    static bool TableChartDraw(QPainter& context, const QRectF& toRect, unsigned rowCount,
        unsigned columnCount, const QList<QStringList>& rowDataSource);
};
