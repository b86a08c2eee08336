#include "charts/BackgroundButton.h"
#include "charts/CPColor.h"
#include "charts/CTextStyle.h"
#include "charts/CTextStyleExtensions.h"
#include "charts/ChartView.h"
#include "charts/ChartViewDrawDataDelegate.h"
#include "charts/ChartViewDrawDelegate.h"
#include "charts/GradientView.h"
#include "platform/FontCatalog.h"
#include "store/Setting.h"
#include "support/PixelMatch.h"
#include "support/TestDataDirectory.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>
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

bool isInk(QRgb pixel)
{
    return pixel != qRgb(255, 255, 255);
}

QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

// The bounding box of the pixels that are no longer white.
QRect inkBounds(const QImage& image)
{
    return pixelsWhere(image, image.rect(), isInk);
}

// The widget as it paints itself, on a transparent image: no window background behind it.
QImage paintedAlone(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The ink of text drawn at a point (turned by the angle) or in a rectangle, on a white image.
QRect inkAtPoint(const QString& text, const QPointF& point, const CTextStyle& style, double angle = 0)
{
    QImage image = whiteImage(300, 200);
    QPainter painter(&image);
    if (angle == 0)
        CTextStyleExtensions::drawAtPoint(text, point, style, painter);
    else
        CTextStyleExtensions::drawAtPoint(text, point, style, painter, angle);
    painter.end();
    return inkBounds(image);
}

QRect inkInRect(const QString& text, const QRectF& rect, const CTextStyle& style, LineBreakMode mode,
    Qt::Alignment alignment)
{
    QImage image = whiteImage(300, 200);
    QPainter painter(&image);
    CTextStyleExtensions::drawInRect(text, rect, style, mode, alignment, painter);
    painter.end();
    return inkBounds(image);
}

CTextStyle redStyle(float size = 12.0f)
{
    CTextStyle style = CTextStyle::textStyle();
    style.fontSize = size;
    style.color = CPColor::redColor();
    return style;
}

} // namespace

// The line chart, with the drawing vocabulary it is made of: colours, text styles, the gradient
// and the button background.
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

    // Components weigh into the hash in their order; equal colours are equal and hash equally,
    // and the same colour made in another space is another colour.
    void equalityAndHash()
    {
        QCOMPARE(CPColor(1, 0, 0, 0).hash(), 256u);
        QCOMPARE(CPColor(0, 0, 1, 0).hash(), 16777216u);
        QCOMPARE(CPColor::blackColor().hash(), 4294967295u); // saturates
        QCOMPARE(CPColor(QColor()).hash(), 0u);

        const CPColor made(1.0f, 0.5f, 0.0f, 1.0f);
        QVERIFY(made == CPColor::orangeColor());
        QCOMPARE(made.hash(), CPColor::orangeColor().hash());
        QVERIFY(!(CPColor::orangeColor() == CPColor::redColor()));
        const CPColor faded = CPColor::redColor().colorWithAlphaComponent(0.25f);
        QVERIFY(!(faded == CPColor::redColor()));
        QVERIFY(faded == CPColor(1.0f, 0.0f, 0.0f, 0.25f));
        QVERIFY(!(CPColor(QColor::fromHsvF(0.0f, 1.0f, 1.0f)) == CPColor::redColor()));
    }

    void styleWithoutColourDrawsNothing()
    {
        CTextStyle style = CTextStyle::textStyle();
        style.color.reset();
        const QString text = QStringLiteral("40.20");
        QCOMPARE(inkAtPoint(text, QPointF(10, 10), style), QRect());
        QCOMPARE(inkAtPoint(text, QPointF(100, 50), style, M_PI / 4), QRect());
        QCOMPARE(inkInRect(text, QRectF(0, 0, 200, 100), style, LineBreakMode::WordWrap, Qt::AlignHCenter),
            QRect());
    }

    // A font of size s is s units tall on any device, so a chart keeps its proportions in a
    // 72 dpi image, on a 300 dpi page and on screen.
    void fontSizeIsInDrawingUnits()
    {
        QImage lowResolution = whiteImage(200, 100);
        lowResolution.setDotsPerMeterX(2835);
        lowResolution.setDotsPerMeterY(2835);
        QImage highResolution = whiteImage(200, 100);
        highResolution.setDotsPerMeterX(11811);
        highResolution.setDotsPerMeterY(11811);
        for (QImage* image : { &lowResolution, &highResolution }) {
            QPainter painter(image);
            painter.setPen(Qt::blue);
            CTextStyleExtensions::drawAtPoint(QStringLiteral("HHH"), QPointF(10, 10), redStyle(20), painter);
            // The painter's pen is left as it was.
            QCOMPARE(painter.pen().color(), QColor(Qt::blue));
        }
        QCOMPARE(inkBounds(highResolution), inkBounds(lowResolution));
        // Capitals of a 20-unit font are roughly 14 units tall.
        QVERIFY(qAbs(inkBounds(lowResolution).height() - 14) <= 2);
    }

    void measuredRectangleHoldsItsTextOnOneLine()
    {
        const QString text = QStringLiteral("百公里油耗");
        CTextStyle style = redStyle();
        style.fontName = QStringLiteral("Helvetica");
        const QSizeF size = CTextStyleExtensions::sizeWithTextStyle(text, style);
        QCOMPARE(size.width(), std::ceil(size.width()));
        QCOMPARE(inkInRect(
                     text, QRectF(QPointF(10, 10), size), style, LineBreakMode::CharacterWrap, Qt::AlignLeft),
            inkAtPoint(text, QPointF(10, 10), style));
    }

    void gradientViewShadesDownwardsBetweenHairlines()
    {
        GradientView view;
        view.resize(100, 44);
        const QImage image = view.grab().toImage();
        QVERIFY2(near(image.pixel(50, 1), QColor(160, 160, 160)), describe(image.pixel(50, 1)));
        QVERIFY2(near(image.pixel(50, 42), QColor(189, 189, 189), 3), describe(image.pixel(50, 42)));
        QVERIFY2(near(image.pixel(50, 43), QColor(85, 85, 85)), describe(image.pixel(50, 43)));
    }

    void backgroundButtonDarkensWhileHeldDown()
    {
        BackgroundButton button;
        button.resize(120, 40);
        QImage image = paintedAlone(button);
        QVERIFY2(near(image.pixel(60, 37), QColor(238, 241, 243), 3), describe(image.pixel(60, 37)));
        // The corner outside the rounding is not painted.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);

        button.setDown(true);
        image = paintedAlone(button);
        QVERIFY2(near(image.pixel(60, 37), QColor(186, 192, 193), 3), describe(image.pixel(60, 37)));
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

    // A y step below one counts as one; a negative tick count as its absolute value.
    void oddDelegateNumbers()
    {
        m_owner->yStep = 0.5;
        m_owner->xTicks = -4;
        plotVolumes({ 3.0 });
        drawOnScreen();
        QCOMPARE(m_chart->mCurvePoints().first().mPoint.y(), 185.0 - 3 * 32);
        QCOMPARE(m_chart->mxMajorTickNumber(), 4u);
        QCOMPARE(m_chart->fXMajorTickSetoff(), 67.5f);
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
        }
        QVERIFY(m_owner->xLabelRequests.isEmpty());
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

    // A chart as a car page shows it: the title centred above the plot.
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
    }
};

QTEST_MAIN(TestChartView)
#include "tst_chartview.moc"
