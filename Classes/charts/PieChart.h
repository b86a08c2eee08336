#pragma once

#include "reports/OilReportItem.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

class QPainter;

// The base view of the report's money charts: the items to chart, a total, a title and a legend
// colour, drawn by a class operation that any painter can call (the report screen through the
// view, the PDF writer directly onto a page). The pie itself is never drawn: drawPie leaves
// the view clear, and BarChart draws its own picture with the same properties.
class PieChart : public QWidget
{
    Q_OBJECT

public:
    explicit PieChart(QWidget* parent = nullptr);

    QList<OilReportItem> dataArray;
    double totalUnits = 1.0;
    QString title = QStringLiteral("Nothing");
    QColor legendColor = QColor(39, 13, 13);

    // Draws nothing and returns the height drawn, 0.
    static float drawPie(QPainter& context, const QList<OilReportItem>& data, double total,
        const QString& title, const QColor& legendColor);

protected:
    void paintEvent(QPaintEvent* event) override;
};
