#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPaintDevice>
#include <QRectF>
#include <QString>

#include <memory>

class RecordingPaintEngine;

// A paint device that shows nothing but records what is painted on it, so a drawing can be
// checked shape by shape: each rectangle, line and text with the painter's pen colour and
// rotation at that moment, and a text's font. Curves, markers and pictures are not recorded.
// Resolution 72 dpi, as a PDF page.
class PaintRecorder : public QPaintDevice
{
public:
    struct Item
    {
        enum Kind
        {
            Rect,
            Line,
            Text
        };
        Kind kind = Rect;
        QRectF bounds; // a rectangle, in device coordinates; for a text, where its line starts (baseline)
        QLineF line; // a line, in device coordinates
        QString text;
        QFont font;
        QColor penColor;
        // The angle of the painter's x axis, in degrees, counter-clockwise on screen positive.
        qreal rotation = 0;
    };

    explicit PaintRecorder(const QSize& size = QSize(612, 792));
    ~PaintRecorder() override;

    QPaintEngine* paintEngine() const override;

    QList<Item> itemsOfKind(Item::Kind kind) const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize m_size;
    std::unique_ptr<RecordingPaintEngine> m_engine;
};
