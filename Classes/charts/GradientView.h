#pragma once

#include <QWidget>

// A grey bar: a vertical gradient from light to mid grey, a lighter hairline below its top
// edge and a darker one along its bottom edge.
class GradientView : public QWidget
{
    Q_OBJECT

public:
    explicit GradientView(QWidget* parent = nullptr);

    static void drawGradient(QPainter& painter, const QRectF& rect);

protected:
    void paintEvent(QPaintEvent* event) override;
};
