#include "charts/CPColor.h"
#include "charts/CTextStyleExtensions.h"
#include "charts/ChartView.h"
#include "charts/ChartViewDrawDataDelegate.h"
#include "charts/ChartViewDrawDelegate.h"
#include "platform/FontCatalog.h"
#include "store/Setting.h"
#include "support/PixelMatch.h"
#include "support/TestDataDirectory.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

using PixelMatch::describe;
using PixelMatch::near;

// An owner that answers the chart like a car page: dates along x, volumes up y.
class ChartOwner : public ChartViewDrawDelegate, public ChartViewDrawDataDelegate
{
public:
    int xTicks = 5;
    int yTicks = 5;
    double yStep = 10;
    double yStart = 0;
    bool bubbles = false;
    QStringList xLabels;
    QPointF xLabelOffset;
    std::optional<unsigned> onlyXLabel;
    std::optional<unsigned> hiddenXTick;
    QString title;
    QString yAxisTitle;

    QList<unsigned> xLabelRequests;
    QList<unsigned> yLabelRequests;
    QList<std::pair<unsigned, unsigned>> xTickQuestions;

    QString loadTextXMajorTick(unsigned tick, float& xSetoff, float& ySetoff, ChartView&) override
    {
        xLabelRequests.append(tick);
        xSetoff = float(xLabelOffset.x());
        ySetoff = float(xLabelOffset.y());
        if (onlyXLabel && tick != *onlyXLabel)
            return QString();
        return tick < unsigned(xLabels.size()) ? xLabels.at(tick) : QString();
    }
    QString loadTextYMajorTick(unsigned tick, float& xSetoff, float&, ChartView&) override
    {
        yLabelRequests.append(tick);
        xSetoff = 2.0f;
        return QString::number(yStart + tick * yStep, 'f', 2);
    }
    QString loadTitleForChartView(ChartView&, float&, float&) override { return title; }
    QString loadYAxisTextForChartView(ChartView&, float&, float& andYSetoff) override
    {
        andYSetoff = -20.0f;
        return yAxisTitle;
    }
    bool drawXAxisMajorTick(unsigned tick, unsigned allMajorTick, ChartView&) override
    {
        xTickQuestions.append({ tick, allMajorTick });
        return !hiddenXTick || tick != *hiddenXTick;
    }
    int loadXAxisMajorTickNumberForChartView(ChartView&) override { return xTicks; }
    int loadYAxisMajorTickNumberForChartView(ChartView&) override { return yTicks; }

    bool isDrawCrossPointLable(unsigned, ChartView&) override { return bubbles; }
    std::optional<double> numberForYMajorTickSetOffInChartView(ChartView&) override { return yStep; }
    std::optional<double> numberForXMajorTickSetOffInChartView(ChartView&) override { return 1; }
    std::optional<double> numberForYStartValueInChartView(ChartView&) override { return yStart; }
    std::optional<double> numberForXStartValueInChartView(ChartView&) override { return 1; }
};

// Answers nothing: every method keeps its default body.
class SilentOwner : public ChartViewDrawDelegate, public ChartViewDrawDataDelegate
{ };

class BubbleChart : public ChartView
{
public:
    using ChartView::drawPopMessageInContext;
};

QRect pixelsWhere(const QImage& image, const QRect& area, bool (*test)(QRgb))
{
    QRect found;
    for (int y = qMax(0, area.top()); y <= qMin(image.height() - 1, area.bottom()); ++y)
        for (int x = qMax(0, area.left()); x <= qMin(image.width() - 1, area.right()); ++x)
            if (test(image.pixel(x, y)))
                found |= QRect(x, y, 1, 1);
    return found;
}

bool isWhite(QRgb pixel)
{
    return qRed(pixel) > 235 && qGreen(pixel) > 235 && qBlue(pixel) > 235;
}

bool isGreenInk(QRgb pixel)
{
    return qGreen(pixel) - qBlue(pixel) > 20 && qGreen(pixel) - qRed(pixel) > 40;
}

} // namespace

class TestChartView : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    std::unique_ptr<ChartOwner> m_owner;
    std::unique_ptr<ChartView> m_chart;

    QImage drawOnScreen() { return m_chart->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    void plotVolumes(const QList<double>& volumes)
    {
        QList<double> positions;
        for (qsizetype i = 0; i < volumes.size(); ++i)
            positions.append(double(i + 1));
        m_chart->mxLogicValue = positions;
        m_chart->myLogicValue = volumes;
        m_chart->reload();
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(FontCatalog::install()); }

    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        m_owner = std::make_unique<ChartOwner>();
        m_chart = std::make_unique<ChartView>();
        m_chart->resize(300, 200);
        m_chart->xyDrawDelegate = m_owner.get();
        m_chart->dataDelegate = m_owner.get();
    }

    void cleanup()
    {
        m_chart.reset();
        m_owner.reset();
        m_data.reset();
    }

    void pointsByIntegerPartsLabelsWithFractions()
    {
        Setting::setFloatValuePrecisionDigits(3);
        plotVolumes({ 40.2, 47.0, 45.3 });
        drawOnScreen();

        // One x tick per fill-up from the left (54 apart); 32 per step of 10 litres, by the
        // integer parts 40, 47 and 45.
        const QList<ChartPoint>& points = m_chart->mCurvePoints();
        QCOMPARE(points.size(), 3);
        QCOMPARE(points.at(1).mPoint.x(), 59.0);
        QVERIFY(qAbs(points.at(1).mPoint.y() - (185 - 150.4)) < 1e-4);
        QCOMPARE(points.at(2).mPoint, QPointF(113, 185 - 144));
        QCOMPARE(points.at(2).mLable, QStringLiteral("45.300"));
    }

    void stepsBelowOneCountAsOne()
    {
        m_owner->yStep = 0.5;
        plotVolumes({ 3.0 });
        drawOnScreen();
        QCOMPARE(m_chart->mCurvePoints().first().mPoint, QPointF(5, 185 - 3 * 32));
    }

    void silentDataDelegateLeavesTheChartsNumbers()
    {
        SilentOwner silent;
        m_chart->dataDelegate = &silent;
        m_chart->myLogicLength = 20;
        m_chart->myStartValue = 10;
        m_chart->mxLogicLength = 1;
        m_chart->mxStartValue = 0;
        plotVolumes({ 50.0 });
        drawOnScreen();
        // x 1 lies one tick from the left; y 50 lies two steps of 20 above 10.
        QCOMPARE(m_chart->mCurvePoints().first().mPoint, QPointF(59, 185 - 64));
        QCOMPARE(m_chart->myLogicLength, 20.0);
    }

    void withoutDelegatesNoTicksAndNoTexts()
    {
        SilentOwner silent;
        for (ChartViewDrawDelegate* delegate :
            { static_cast<ChartViewDrawDelegate*>(&silent), static_cast<ChartViewDrawDelegate*>(nullptr) }) {
            m_chart->xyDrawDelegate = delegate;
            m_chart->reload();
            drawOnScreen();
            QCOMPARE(m_chart->mxMajorTickNumber(), 0u);
            QCOMPARE(m_chart->myMajorTickNumber(), 0u);
            QCOMPARE(m_chart->horizontalLines().size(), 1);
            QCOMPARE(m_chart->verticalLines().size(), 1);
        }
        QVERIFY(m_owner->xLabelRequests.isEmpty());
    }

    void tickCountsAreTakenAsAbsoluteValues()
    {
        m_owner->xTicks = -4;
        drawOnScreen();
        QCOMPARE(m_chart->mxMajorTickNumber(), 4u);
        QCOMPARE(m_chart->fXMajorTickSetoff(), 67.5f);
    }

    void delegateChoosesTheTickLines()
    {
        m_chart->mXYMajorTickColor = QColor(Qt::blue);
        m_owner->hiddenXTick = 0;
        const QImage image = drawOnScreen();
        QCOMPARE(m_owner->xTickQuestions,
            (QList<std::pair<unsigned, unsigned>> { { 0, 5 }, { 1, 5 }, { 2, 5 }, { 3, 5 }, { 4, 5 } }));
        QVERIFY(image.pixel(221, 100) != qRgb(0, 0, 255));
        QCOMPARE(image.pixel(167, 100), qRgb(0, 0, 255));
    }

    void originLabelIsNeverAskedFor()
    {
        drawOnScreen();
        // Origin type 1: every x label, the origin at the right end included, is asked for;
        // the y label at the origin is not.
        QCOMPARE(m_owner->xLabelRequests, (QList<unsigned> { 0, 1, 2, 3, 4, 5 }));
        QCOMPARE(m_owner->yLabelRequests, (QList<unsigned> { 1, 2, 3, 4, 5 }));

        m_owner->xLabelRequests.clear();
        m_owner->yLabelRequests.clear();
        m_chart->mOriginType = 0;
        m_chart->reload();
        drawOnScreen();
        QCOMPARE(m_owner->xLabelRequests, (QList<unsigned> { 1, 2, 3, 4, 5 }));
        QCOMPARE(m_owner->yLabelRequests, (QList<unsigned> { 1, 2, 3, 4, 5 }));
    }

    void labelHangsFromItsTickMovedByTheOffsets()
    {
        m_chart->resize(300, 230);
        m_chart->marginDown = 35;
        m_chart->xAxisTitleStyle.color = CPColor::greenColor();
        m_owner->xLabels = QStringList { "a", "b", "05-12" };
        m_owner->onlyXLabel = 2;
        m_owner->xLabelOffset = QPointF(4, 6);
        const QImage image = drawOnScreen();

        const QRect ink = pixelsWhere(image, image.rect(), isGreenInk);
        QVERIFY(!ink.isEmpty());
        // Tick 2 from the left stands at x 5 + 2 * 54 on the bottom of the plot (185).
        const QSizeF size
            = CTextStyleExtensions::sizeWithTextStyle(QStringLiteral("05-12"), m_chart->xAxisTitleStyle);
        const QRectF expected(QPointF(113 + 4, 185 + 6), size);
        QVERIFY(expected.adjusted(-1, -1, 1, 1).contains(QRectF(ink)));
        QVERIFY(ink.left() <= 113 + 4 + 2);
    }

    void bubbleOutlineFillAndShadow()
    {
        BubbleChart chart;
        QImage image(120, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            chart.drawPopMessageInContext(painter, ChartPoint { QPointF(50, 60), QString() });
        }
        // The box is (47, 35) to (79, 50), the pointer's tip at (51.3, 55.3).
        QVERIFY2(near(image.pixel(60, 42), QColor(1, 190, 78)), describe(image.pixel(60, 42)));
        QVERIFY2(near(image.pixel(53, 51), QColor(1, 190, 78), 30), describe(image.pixel(53, 51)));
        QVERIFY2(near(image.pixel(60, 35), QColor(128, 128, 128), 70), describe(image.pixel(60, 35)));
        // The shadow falls to the lower right.
        QVERIFY(qGray(image.pixel(81, 45)) < qGray(image.pixel(44, 45)) - 10);
    }

    void bubbleShowsTheValueInWhite()
    {
        m_owner->bubbles = true;
        plotVolumes({ 40.2, 47.0, 45.3 });
        QImage image = drawOnScreen();
        const QPointF point = m_chart->mCurvePoints().at(1).mPoint;
        const QRect box = QRectF(point.x() - 3, point.y() - 25, 32, 15).toRect();
        const QRect text = pixelsWhere(image, box, isWhite);
        QVERIFY(!text.isEmpty());
        QVERIFY(qAbs(text.center().x() - box.center().x()) <= 2);

        m_owner->bubbles = false;
        image = drawOnScreen();
        QVERIFY(pixelsWhere(image, box, isWhite).isEmpty());
    }

    // A chart as a car page shows it. With PUMPORA_TEST_ARTIFACTS set, the picture is kept there.
    void carPageSample()
    {
        m_owner->yStep = 20;
        m_owner->bubbles = true;
        m_owner->xLabels = QStringList { "04-02", "04-19", "05-03", "05-21", "06-08" };
        m_owner->title = QStringLiteral("最近加油信息");
        m_owner->yAxisTitle = QStringLiteral("L");
        CTextStyle white = CTextStyle::textStyle();
        white.color = CPColor::whiteColor();
        white.fontName = QStringLiteral("ArialRoundedMTBold");
        for (CTextStyle* style : { &m_chart->mTitleTextStyle, &m_chart->xMajorTickTextStyle,
                 &m_chart->yMajorTickTextStyle, &m_chart->xAxisTitleStyle, &m_chart->yAxisTitleStyle })
            *style = white;
        plotVolumes({ 40.2, 47.0, 45.3, 38.6, 52.7 });
        const QImage image = drawOnScreen();

        // The title is white text centred in the band above the plot.
        const QRect title = pixelsWhere(image, QRect(0, 5, 250, 20), isWhite);
        QVERIFY(!title.isEmpty());
        QVERIFY(qAbs(title.center().x() - 150) <= 3);

        const QString directory = qEnvironmentVariable("PUMPORA_TEST_ARTIFACTS");
        if (!directory.isEmpty()) {
            QVERIFY(QDir().mkpath(directory));
            const QString path = QDir(directory).filePath(QStringLiteral("chartview-car-page.png"));
            QVERIFY(image.save(path));
            qInfo("sample chart written to %s", qPrintable(path));
        }
    }
};

QTEST_MAIN(TestChartView)
#include "tst_chartview.moc"
