#include "support/PaintRecorder.h"

#include <QPaintEngine>
#include <QPainter>
#include <QtMath>

// Rectangles and lines given in integers reach the floating-point versions below through
// QPaintEngine's own conversions.
class RecordingPaintEngine : public QPaintEngine
{
public:
    RecordingPaintEngine()
        : QPaintEngine(AllFeatures)
    { }

    QList<PaintRecorder::Item> items;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& changed) override
    {
        const DirtyFlags dirty = changed.state();
        if (dirty & DirtyTransform)
            m_transform = changed.transform();
        if (dirty & DirtyPen)
            m_pen = changed.pen();
    }

    void drawRects(const QRectF* rects, int rectCount) override
    {
        for (int i = 0; i < rectCount; ++i) {
            PaintRecorder::Item item = current(PaintRecorder::Item::Rect);
            item.bounds = m_transform.mapRect(rects[i]);
            items.append(item);
        }
    }

    void drawLines(const QLineF* lines, int lineCount) override
    {
        for (int i = 0; i < lineCount; ++i) {
            PaintRecorder::Item item = current(PaintRecorder::Item::Line);
            item.line = m_transform.map(lines[i]);
            items.append(item);
        }
    }

    void drawTextItem(const QPointF& p, const QTextItem& textItem) override
    {
        PaintRecorder::Item item = current(PaintRecorder::Item::Text);
        item.text = textItem.text();
        item.font = textItem.font();
        item.bounds = QRectF(m_transform.map(p), QSizeF());
        items.append(item);
    }

    void drawPath(const QPainterPath&) override { }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }

private:
    PaintRecorder::Item current(PaintRecorder::Item::Kind kind) const
    {
        PaintRecorder::Item item;
        item.kind = kind;
        item.penColor = m_pen.color();
        item.rotation = -qRadiansToDegrees(std::atan2(m_transform.m12(), m_transform.m11()));
        return item;
    }

    QTransform m_transform;
    QPen m_pen;
};

PaintRecorder::PaintRecorder(const QSize& size)
    : m_size(size)
    , m_engine(std::make_unique<RecordingPaintEngine>())
{ }

PaintRecorder::~PaintRecorder() = default;

QPaintEngine* PaintRecorder::paintEngine() const
{
    return m_engine.get();
}

QList<PaintRecorder::Item> PaintRecorder::itemsOfKind(Item::Kind kind) const
{
    QList<Item> found;
    for (const Item& item : m_engine->items) {
        if (item.kind == kind)
            found.append(item);
    }
    return found;
}

int PaintRecorder::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return m_size.width();
    case PdmHeight:
        return m_size.height();
    case PdmWidthMM:
        return qRound(m_size.width() * 25.4 / 72);
    case PdmHeightMM:
        return qRound(m_size.height() * 25.4 / 72);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 72;
    case PdmDepth:
        return 32;
    case PdmNumColors:
        return INT_MAX;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return qRound(devicePixelRatioFScale());
    }
    return 0;
}
