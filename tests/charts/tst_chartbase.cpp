#include "charts/ChartBase.h"
#include "support/PixelMatch.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>

namespace {

using PixelMatch::describe;
using PixelMatch::near;

struct LabelCall
{
    QPointF point;
    unsigned index;
    unsigned count;
    bool isOrigin;

    bool operator==(const LabelCall&) const = default;
};

// Answers the hooks from its fields and records what the frame asks of it.
class RecordingChart : public ChartBase
{
public:
    unsigned xTicks = 5;
    unsigned yTicks = 5;
    bool longTicks = true;
    QList<QPointF> placedPoints;
    bool reloadWhileDrawing = false;

    QList<LabelCall> xLabels;
    QList<LabelCall> yLabels;
    QList<QPointF> pointsOnEntry;
    int startCalls = 0;

    void forgetCalls()
    {
        xLabels.clear();
        yLabels.clear();
        pointsOnEntry.clear();
    }

protected:
    unsigned xMajorTickNumber() override { return xTicks; }
    unsigned yMajorTickNumber() override { return yTicks; }
    bool xMajorTickMax() override { return longTicks; }
    bool yMajorTickMax() override { return longTicks; }

    void drawChartTextContext(
        QPainter&, const QPointF& toPoint, XAxisMajorTick tick, unsigned all, bool isOriginPoint) override
    {
        xLabels.append({ toPoint, unsigned(tick), all, isOriginPoint });
    }
    void drawChartTextContext(
        QPainter&, const QPointF& toPoint, YAxisMajorTick tick, unsigned all, bool isOriginPoint) override
    {
        yLabels.append({ toPoint, unsigned(tick), all, isOriginPoint });
    }

    void startDrawXYCrossPoint() override
    {
        ++startCalls;
        if (reloadWhileDrawing)
            reload();
    }

    QString loadCrossXAxis(float& xAxis, float& yAxis, unsigned atIndex) override
    {
        pointsOnEntry.append(QPointF(xAxis, yAxis));
        if (atIndex < placedPoints.size()) {
            xAxis = float(placedPoints.at(atIndex).x());
            yAxis = float(placedPoints.at(atIndex).y());
        }
        return QString::number(atIndex);
    }
};

QList<qreal> tickRows(const ChartBase& chart)
{
    QList<qreal> rows;
    const QList<QLineF> lines = chart.horizontalLines();
    for (qsizetype k = 1; k < lines.size(); ++k)
        rows.append(lines.at(k).p1().y());
    return rows;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<QList<double>>)

class TestChartBase : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RecordingChart> m_chart;

    // Draws the chart as on screen, through its paint event.
    QImage drawOnScreen()
    {
        m_chart->forgetCalls();
        return m_chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

private Q_SLOTS:
    void init()
    {
        m_chart = std::make_unique<RecordingChart>();
        m_chart->resize(300, 200);
    }
    void cleanup() { m_chart.reset(); }

    // The 300 x 200 chart with default margins, for each origin type: plot area, axes from the
    // origin, and the first tick lines as grid lines and as short marks.
    void geometryForEachOrigin_data()
    {
        QTest::addColumn<int>("originType");
        QTest::addColumn<QRectF>("plotArea");
        QTest::addColumn<QPointF>("origin");
        QTest::addColumn<QLineF>("xTick");
        QTest::addColumn<QLineF>("yTick");
        QTest::newRow("0 bottom-left") << 0 << QRectF(25, 25, 270, 160) << QPointF(25, 185)
                                       << QLineF(79, 185, 79, 25) << QLineF(25, 153, 295, 153);
        QTest::newRow("1 bottom-right") << 1 << QRectF(5, 25, 270, 160) << QPointF(275, 185)
                                        << QLineF(221, 185, 221, 25) << QLineF(275, 153, 5, 153);
        QTest::newRow("2 top-right") << 2 << QRectF(5, 35, 270, 160) << QPointF(275, 35)
                                     << QLineF(221, 35, 221, 195) << QLineF(275, 67, 5, 67);
        QTest::newRow("3 top-left") << 3 << QRectF(25, 35, 270, 160) << QPointF(25, 35)
                                    << QLineF(79, 35, 79, 195) << QLineF(25, 67, 295, 67);
    }

    void geometryForEachOrigin()
    {
        QFETCH(int, originType);
        QFETCH(QRectF, plotArea);
        QFETCH(QPointF, origin);
        QFETCH(QLineF, xTick);
        QFETCH(QLineF, yTick);
        m_chart->mOriginType = originType;
        QCOMPARE(m_chart->drawXYRect(), plotArea);
        QCOMPARE(m_chart->originPoint(), origin);
        drawOnScreen();
        // The axes run from the origin to the far sides of the plot area.
        const QPointF far(origin.x() == plotArea.left() ? plotArea.right() : plotArea.left(),
            origin.y() == plotArea.top() ? plotArea.bottom() : plotArea.top());
        QCOMPARE(m_chart->verticalLines().at(0), QLineF(origin, QPointF(origin.x(), far.y())));
        QCOMPARE(m_chart->horizontalLines().at(0), QLineF(origin, QPointF(far.x(), origin.y())));
        QCOMPARE(m_chart->verticalLines().at(1), xTick);
        QCOMPARE(m_chart->horizontalLines().at(1), yTick);

        // Short marks instead of grid lines: the first 5 units of each.
        m_chart->longTicks = false;
        m_chart->reload();
        drawOnScreen();
        QCOMPARE(m_chart->verticalLines().at(1), QLineF(xTick.p1(), xTick.pointAt(5 / xTick.length())));
        QCOMPARE(m_chart->horizontalLines().at(1), QLineF(yTick.p1(), yTick.pointAt(5 / yTick.length())));
    }

    void anchorsKeepTheFarEndFreeOfTicks()
    {
        m_chart->xAnchorWidth = 20;
        m_chart->yAnchorHeight = 10;
        drawOnScreen();
        QCOMPARE(m_chart->fXMajorTickSetoff(), 50.0f);
        QCOMPARE(m_chart->fYMajorTickSetoff(), 30.0f);
        // The last x tick stops short of the left end; the grid lines stop short of the top.
        QCOMPARE(m_chart->verticalLines().at(5), QLineF(25, 185, 25, 35));
        QCOMPARE(m_chart->horizontalLines().at(5), QLineF(275, 35, 25, 35));
    }

    // Origin type 1: x labels from the far (left) end, y labels from the origin; the first and
    // last of 6 points each.
    void labelsCountFromTheLeftAndFromTheBottom()
    {
        drawOnScreen();
        QCOMPARE(m_chart->xLabels.size(), 6);
        QCOMPARE(m_chart->yLabels.size(), 6);
        QCOMPARE(m_chart->xLabels.first(), (LabelCall { QPointF(5, 185), 0, 6, false }));
        QCOMPARE(m_chart->xLabels.last(), (LabelCall { QPointF(275, 185), 5, 6, false }));
        QCOMPARE(m_chart->yLabels.first(), (LabelCall { QPointF(275, 185), 0, 6, true }));
        QCOMPARE(m_chart->yLabels.last(), (LabelCall { QPointF(275, 25), 5, 6, false }));
    }

    void zeroTicksLeaveTheAxesAndTheOriginLabel()
    {
        m_chart->xTicks = 0;
        m_chart->yTicks = 0;
        drawOnScreen();
        QVERIFY(std::isinf(m_chart->fYMajorTickSetoff()));
        QCOMPARE(m_chart->horizontalLines().size(), 1);
        QCOMPARE(m_chart->verticalLines().size(), 1);
        QCOMPARE(m_chart->xLabels, (QList<LabelCall> { { QPointF(275, 185), 0, 1, false } }));
        QCOMPARE(m_chart->yLabels, (QList<LabelCall> { { QPointF(275, 185), 0, 1, true } }));
    }

    // Five rows 32 apart by default; a change of margin or size reaches them at the next reload.
    void defaultTickRowsAreReusedUntilReload()
    {
        drawOnScreen();
        QCOMPARE(m_chart->myMajorTickNumber(), 5u);
        QCOMPARE(m_chart->fYMajorTickSetoff(), 32.0f);
        QCOMPARE(m_chart->fXMajorTickSetoff(), 54.0f);
        QCOMPARE(tickRows(*m_chart), (QList<qreal> { 153, 121, 89, 57, 25 }));
        m_chart->marginTop = 25;
        drawOnScreen();
        // The spacing follows at once, the lines only after a reload.
        QCOMPARE(m_chart->fYMajorTickSetoff(), 28.0f);
        QCOMPARE(tickRows(*m_chart), (QList<qreal> { 153, 121, 89, 57, 25 }));
        QVERIFY(!m_chart->isChanged());
        m_chart->reload();
        QVERIFY(m_chart->isChanged());
        drawOnScreen();
        QCOMPARE(tickRows(*m_chart), (QList<qreal> { 157, 129, 101, 73, 45 }));
        // Resizing reloads by itself.
        m_chart->resize(300, 360);
        drawOnScreen();
        QCOMPARE(tickRows(*m_chart), (QList<qreal> { 285, 225, 165, 105, 45 }));
    }

    void newTickCountNeverReadsPastTheLines()
    {
        drawOnScreen();
        m_chart->yTicks = 8;
        drawOnScreen();
        QCOMPARE(m_chart->horizontalLines().size(), 9);
        QCOMPARE(m_chart->yLabels.size(), 9);
        QCOMPARE(m_chart->yLabels.last().point, QPointF(275, 25));
    }

    void renderIntoARectangleThenOnScreen()
    {
        m_chart->mXYLineColor = QColor(Qt::red);
        drawOnScreen();
        QImage page(700, 500, QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            QPainter painter(&page);
            m_chart->renderInContext(painter, QRectF(100, 50, 600, 400));
        }
        // Drawn for the page rectangle: plot area x 105 … 675, y 75 … 435.
        QCOMPARE(m_chart->mRenderRect(), QRectF(100, 50, 600, 400));
        QCOMPARE(m_chart->fYMajorTickSetoff(), 72.0f);
        QCOMPARE(tickRows(*m_chart), (QList<qreal> { 363, 291, 219, 147, 75 }));
        QCOMPARE(page.pixel(675, 300), qRgb(255, 0, 0));
        QCOMPARE(page.pixel(99, 300), qRgb(255, 255, 255));
        QCOMPARE(m_chart->autoBounds(), QRectF(0, 0, 300, 200));
        QVERIFY(!m_chart->isChanged());

        // The queued reload brings the screen's own lines back.
        QCoreApplication::processEvents();
        QVERIFY(m_chart->isChanged());
        const QImage screen = drawOnScreen();
        QCOMPARE(tickRows(*m_chart), (QList<qreal> { 153, 121, 89, 57, 25 }));
        QCOMPARE(screen.pixel(275, 100), qRgb(255, 0, 0));
    }

    void reloadIsIgnoredWhileDrawing()
    {
        m_chart->reloadWhileDrawing = true;
        drawOnScreen();
        QCOMPARE(m_chart->startCalls, 1);
        QVERIFY(!m_chart->isChanged());
    }

    void axesAndTicksInTheirColours()
    {
        // By default translucent white over the background.
        QImage image = drawOnScreen();
        const QRgb axis = image.pixel(275, 100);
        const QRgb beside = image.pixel(270, 100);
        const QColor expected(qRound(0.8 * 255 + 0.2 * qRed(beside)),
            qRound(0.8 * 255 + 0.2 * qGreen(beside)), qRound(0.8 * 255 + 0.2 * qBlue(beside)));
        QVERIFY2(near(axis, expected), describe(axis) + " beside " + describe(beside));

        m_chart->mXYLineColor = QColor(Qt::red);
        m_chart->mXYMajorTickColor = QColor(Qt::blue);
        image = drawOnScreen();
        QCOMPARE(image.pixel(100, 185), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(221, 100), qRgb(0, 0, 255));
        // Nothing but background between the lines.
        QVERIFY2(near(image.pixel(100, 140), QColor(127, 152, 179)), describe(image.pixel(100, 140)));
    }

    // Three placed points, or data that does not pair up: no curve, no placement, the grid still there.
    void curveAndMarkersInTheirColours_data()
    {
        QTest::addColumn<std::optional<QList<double>>>("xValues");
        QTest::addColumn<std::optional<QList<double>>>("yValues");
        QTest::newRow("three points")
            << std::optional<QList<double>>({ 1, 2, 3 }) << std::optional<QList<double>>({ 1, 2, 3 });
        QTest::newRow("one x value more")
            << std::optional<QList<double>>({ 1, 2, 3 }) << std::optional<QList<double>>({ 1, 2 });
        QTest::newRow("no data") << std::optional<QList<double>>() << std::optional<QList<double>>();
    }

    void curveAndMarkersInTheirColours()
    {
        QFETCH(std::optional<QList<double>>, xValues);
        QFETCH(std::optional<QList<double>>, yValues);
        m_chart->mxLogicValue = xValues;
        m_chart->myLogicValue = yValues;
        m_chart->placedPoints = { QPointF(40, 100), QPointF(140, 100), QPointF(200, 60) };
        const QImage image = drawOnScreen();
        QCOMPARE(m_chart->startCalls, 1);
        QCOMPARE(m_chart->horizontalLines().size(), 6);
        if (!xValues || !yValues || xValues->size() != yValues->size()) {
            QVERIFY(m_chart->mCurvePoints().isEmpty());
            QVERIFY(m_chart->pointsOnEntry.isEmpty());
            return;
        }
        QCOMPARE(m_chart->mCurvePoints().size(), 3);
        QCOMPARE(m_chart->mCurvePoints().at(1).mPoint, QPointF(140, 100));
        QCOMPARE(m_chart->mCurvePoints().at(2).mLable, QStringLiteral("2"));
        // Each placement starts from the previous point.
        QCOMPARE(
            m_chart->pointsOnEntry, (QList<QPointF> { QPointF(0, 0), QPointF(40, 100), QPointF(140, 100) }));
        QVERIFY2(near(image.pixel(90, 100), QColor(255, 172, 0)), describe(image.pixel(90, 100)));
        QVERIFY2(near(image.pixel(140, 100), QColor(255, 243, 196)), describe(image.pixel(140, 100)));
        QVERIFY2(near(image.pixel(200, 60), QColor(255, 243, 196)), describe(image.pixel(200, 60)));
    }
};

QTEST_MAIN(TestChartBase)
#include "tst_chartbase.moc"
