#pragma once

#include "charts/CTextStyle.h"
#include "charts/ChartPoint.h"

#include <QColor>
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QWidget>

#include <optional>

class QPainter;
class QPainterPath;

// The drawing engine of the line charts. It lays out a plot area inside its bounds, puts the
// axes and tick lines at one of four origin corners and draws, in this order: a background,
// the grid (axis lines, tick lines, axis titles), the tick labels and title, and the data curve
// with a marker at each point. Every text and number comes through the virtual hooks, which a
// subclass answers (ChartView from its delegates).
//
// All drawing is done on a QPainter within a rectangle, so the chart draws the same on screen
// (paintEvent), into an image or onto a PDF page (renderInContext). Lengths are drawing units:
// a point of the design is one unit of the painter.
//
// Origin types (mOriginType): 0 bottom-left, 1 bottom-right, 2 top-right, 3 top-left; any
// other value counts as 0. Whatever the corner, tick and label index 0 is the one nearest the
// left (x) or lower (y) end of its axis, and data values grow rightwards and upwards.
//
// The tick line positions are computed when the chart has changed (reload, a new size, a
// render, another tick count) and reused by later draws; the tick spacing is recomputed on
// every draw.
//
// A subclass sets its own defaults in its constructor, after ChartBase's.
class ChartBase : public QWidget
{
    Q_OBJECT

public:
    explicit ChartBase(QWidget* parent = nullptr);
    ~ChartBase() override;

    // Distinguish the two tick-label hooks, which otherwise take the same arguments.
    enum class XAxisMajorTick : unsigned
    {
    };
    enum class YAxisMajorTick : unsigned
    {
    };

    // Insets of the chart content from the bounds, and the bands kept for the title, the x
    // labels (also the side of the axis-title boxes) and the y labels.
    float marginTop = 5.0f;
    float marginDown = 5.0f;
    float marginLeft = 5.0f;
    float marginRight = 5.0f;
    float titleHeight = 20.0f;
    float xTextHeight = 10.0f;
    float yTextWidth = 20.0f;

    int mOriginType = 1;

    // Axis and tick lines are drawn without antialiasing; below 1 unit as a one-pixel hairline.
    float xyLineWidth = 0.5f;
    float xyMajorTickLineWidth = 0.5f;
    // Without a colour, axis and tick lines are white at alpha 0.8.
    std::optional<QColor> mXYLineColor;
    std::optional<QColor> mXYMajorTickColor;

    // Length at the far end of the x (y) axis left free of ticks.
    float xAnchorWidth = 0.0f;
    float yAnchorHeight = 0.0f;

    bool bDrawXAxis = true;
    bool bDrawYAxis = true;
    bool isDrawXAxiasAnchor = false;
    bool isDrawYAxiasAnchor = false;
    bool isDrawXAxiasMajorTick = true;
    bool isDrawYAxiasMajorTick = true;

    // The data, x and y values pairwise; no curve without both or when their counts differ.
    // Owners call reload() after changing them.
    std::optional<QList<double>> mxLogicValue;
    std::optional<QList<double>> myLogicValue;
    // Data value at the origin and per tick step of each axis (0 until set).
    double mxStartValue = 0.0;
    double myStartValue = 0.0;
    double mxLogicLength = 0.0;
    double myLogicLength = 0.0;

    CTextStyle mTitleTextStyle;
    CTextStyle xMajorTickTextStyle;
    CTextStyle yMajorTickTextStyle;
    CTextStyle xAxisTitleStyle;
    CTextStyle yAxisTitleStyle;

    // The on-screen frame: corners clipped round and a border drawn over the chart; renders
    // into other painters have neither. roundRectViewCornerRadius sets the radius with a grey
    // border of 1; the constructor applies it with 10. A subclass wanting square corners and no
    // border sets cornerRadius and borderWidth to 0 in its own constructor (a constructor
    // cannot reach an override, so this is not a hook).
    float cornerRadius = 0.0f;
    float borderWidth = 0.0f;
    QColor borderColor;
    void roundRectViewCornerRadius(float radius);

    // Distance between two ticks and number of ticks of the last draw.
    float fXMajorTickSetoff() const { return m_fXMajorTickSetoff; }
    float fYMajorTickSetoff() const { return m_fYMajorTickSetoff; }
    unsigned mxMajorTickNumber() const { return m_mxMajorTickNumber; }
    unsigned myMajorTickNumber() const { return m_myMajorTickNumber; }

    // The vertical (x) and horizontal (y) lines: line 0 is the axis through the origin, line k
    // the tick line of tick k, each from its base point on the axis. Empty before the first draw.
    QList<QLineF> verticalLines() const;
    QList<QLineF> horizontalLines() const;

    // The data points of the last draw, in data order.
    const QList<ChartPoint>& mCurvePoints() const { return m_curvePoints; }

    bool isChanged() const { return m_isChanged; }
    bool isDrawing() const { return m_drawing; }
    QRectF mRenderRect() const { return m_renderRect; }

    // The rectangle drawn into: the render rectangle during renderInContext(context, toRect),
    // else the bounds; the content inside the margins; the plot area.
    QRectF autoBounds() const;
    QRectF drawContextRect() const;
    QRectF drawXYRect() const;

    // Fixed corners of the plot area: the origin, and where x (y) value start lies.
    QPointF originPoint() const;
    QPointF xMinMajorTickPoint() const;
    QPointF yMinMajorTickPoint() const;

    // Draws into another painter, over the bounds or over toRect. Afterwards a reload is
    // queued, so that the chart on screen computes its lines for its own bounds again.
    void renderInContext(QPainter& context);
    void renderInContext(QPainter& context, const QRectF& toRect);

    // Asks for a redraw unless a draw is in progress.
    void setNeedsDisplay();

public Q_SLOTS:
    // Recompute the lines and redraw; ignored while drawing. Owners call it after changing data.
    void reload();

protected:
    // The hooks. The base behaviour is given with each.

    // Number of ticks on each axis: 1.
    virtual unsigned xMajorTickNumber();
    virtual unsigned yMajorTickNumber();
    // true: tick lines run across the whole plot area (a grid); false: short marks. true.
    virtual bool xMajorTickMax();
    virtual bool yMajorTickMax();
    // Length of a short tick mark: 5.
    virtual float xMajorTickSize();
    virtual float yMajorTickSize();
    // Whether the tick line of that index (of allMajorTick) is drawn: true.
    virtual bool isDrawXAxisMajorTick(unsigned tick, unsigned allMajorTick);
    virtual bool isDrawYAxisMajorTick(unsigned tick, unsigned allMajorTick);

    // Chart title (the content rectangle), axis titles (a box at the axis end): nothing.
    virtual void drawChartPanelTitleContext(QPainter& context, const QRectF& toRect);
    virtual void drawChartPanelXAxisTitleContext(QPainter& context, const QRectF& toRect);
    virtual void drawChartPanelYAxisTitleContext(QPainter& context, const QRectF& toRect);
    // One tick label at the tick's base point: nothing.
    virtual void drawChartTextContext(QPainter& context, const QPointF& toPoint,
        XAxisMajorTick xAxisMajorTick, unsigned allMajorTick, bool isOriginPoint);
    virtual void drawChartTextContext(QPainter& context, const QPointF& toPoint,
        YAxisMajorTick yAxisMajorTick, unsigned allMajorTick, bool isOriginPoint);
    // At the end point of an axis, when its anchor flag is set: nothing.
    virtual void drawChartXAxisAnchor(QPainter& context, const QPointF& point);
    virtual void drawChartYAxisAnchor(QPainter& context, const QPointF& point);

    // Before the data points are placed: nothing.
    virtual void startDrawXYCrossPoint();
    // Places data point atIndex in xAxis and yAxis and returns its label. The coordinates hold
    // the previous point's on entry. Leaves them and returns a null text.
    virtual QString loadCrossXAxis(float& xAxis, float& yAxis, unsigned atIndex);
    // The curve through the points: orange (1.0, 172/255, 0), width 2.
    virtual void drawCrossLine(const QPainterPath& path, QPainter& inContext);
    // The marker of one point: a diamond of half-diagonal 3, pale yellow with a brown edge.
    virtual void drawInContext(QPainter& context, const ChartPoint& crossPoint, unsigned index);
    // A blue-grey vertical gradient over toRect.
    virtual void drawBackground(QPainter& context, const QRectF& toRect);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int originKind() const;
    void drawChart(QPainter& context, const QRectF& backgroundRect);
    void buildPointLists(const QRectF& plotArea, unsigned nx, unsigned ny);
    void drawBGXYLineInContext(QPainter& context, const QRectF& toRect);
    void drawXAxisLineStartPoint(const QPointF& startPoint, const QPointF& endPoint, QPainter& toContext);
    void drawYAxisLineStartPoint(const QPointF& startPoint, const QPointF& endPoint, QPainter& toContext);
    void drawXMajorTickLinePoint(unsigned majorTickLines, QPainter& toContext);
    void drawYMajorTickLinePoint(unsigned majorTickLines, QPainter& toContext);
    void drawMajorTickTextInContext(QPainter& context, const QRectF& toRect);
    void drawCurveTextInContext(QPainter& context, const QRectF& toRect);

    float m_fXMajorTickSetoff = 0.0f;
    float m_fYMajorTickSetoff = 0.0f;
    unsigned m_mxMajorTickNumber = 0;
    unsigned m_myMajorTickNumber = 0;
    // Pairs of points (base, end): pair 0 the axis, pair k tick k; 2 * ticks + 2 points each.
    QList<QPointF> m_mxList;
    QList<QPointF> m_myList;
    QList<ChartPoint> m_curvePoints;
    bool m_isChanged = true;
    bool m_drawing = false;
    bool m_rend = false;
    QRectF m_renderRect;
    QSize m_laidOutSize;
};
