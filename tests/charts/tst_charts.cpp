#include "charts/BarChart.h"
#include "charts/CPColor.h"
#include "charts/CTextStyleExtensions.h"
#include "charts/ChartView.h"
#include "charts/ChartViewDrawDataDelegate.h"
#include "charts/ChartViewDrawDelegate.h"
#include "charts/MoneyChartCell.h"
#include "charts/RPChartView.h"
#include "charts/TableChart.h"
#include "platform/FontCatalog.h"
#include "store/CarManage.h"
#include "store/Setting.h"
#include "store/Utility.h"
#include "support/LogBuilder.h"
#include "support/PaintRecorder.h"
#include "support/TestDataDirectory.h"

#include <QPainter>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>
#include <optional>

namespace {

using Item = PaintRecorder::Item;

// An owner that answers the line chart like a car page: dates along x, volumes up y.
class ChartOwner : public ChartViewDrawDelegate, public ChartViewDrawDataDelegate
{
public:
    int xTicks = 5;
    int yTicks = 5;
    double yStep = 10;
    bool bubbles = false;
    QStringList xLabels;
    QPointF xLabelOffset;
    std::optional<unsigned> hiddenXTick;
    ChartView* reloadedWhileDrawing = nullptr;
    int titleRequests = 0;
    QList<unsigned> xLabelRequests;
    QList<unsigned> yLabelRequests;
    QList<std::pair<unsigned, unsigned>> xTickQuestions;

    QString loadTextXMajorTick(unsigned tick, float& xSetoff, float& ySetoff, ChartView&) override
    {
        xLabelRequests.append(tick);
        xSetoff = float(xLabelOffset.x());
        ySetoff = float(xLabelOffset.y());
        return xLabels.value(int(tick));
    }
    QString loadTextYMajorTick(unsigned tick, float&, float&, ChartView&) override
    {
        yLabelRequests.append(tick);
        return QString::number(tick * yStep);
    }
    QString loadTitleForChartView(ChartView&, float&, float&) override
    {
        ++titleRequests;
        if (reloadedWhileDrawing)
            reloadedWhileDrawing->reload();
        return QString();
    }
    bool drawXAxisMajorTick(unsigned tick, unsigned allMajorTick, ChartView&) override
    {
        xTickQuestions.append({ tick, allMajorTick });
        return tick != hiddenXTick;
    }
    int loadXAxisMajorTickNumberForChartView(ChartView&) override { return xTicks; }
    int loadYAxisMajorTickNumberForChartView(ChartView&) override { return yTicks; }
    bool isDrawCrossPointLable(unsigned, ChartView&) override { return bubbles; }
    std::optional<double> numberForYMajorTickSetOffInChartView(ChartView&) override { return yStep; }
    std::optional<double> numberForXMajorTickSetOffInChartView(ChartView&) override { return 1; }
    std::optional<double> numberForXStartValueInChartView(ChartView&) override { return 1; }
};

// Answers nothing: every method keeps its default body.
class SilentOwner : public ChartViewDrawDelegate, public ChartViewDrawDataDelegate
{ };

QImage onScreen(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRect pixelsWhere(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test)
{
    QRect found;
    for (int y = qMax(0, area.top()); y <= qMin(image.height() - 1, area.bottom()); ++y)
        for (int x = qMax(0, area.left()); x <= qMin(image.width() - 1, area.right()); ++x)
            if (test(image.pixel(x, y)))
                found |= QRect(x, y, 1, 1);
    return found;
}

QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

// The bounding box of the pixels that a drawing left no longer white.
QRect inkOf(const std::function<void(QPainter&)>& draw, QImage image = whiteImage(300, 200))
{
    QPainter painter(&image);
    draw(painter);
    painter.end();
    return pixelsWhere(image, image.rect(), [](QRgb pixel) { return pixel != qRgb(255, 255, 255); });
}

QList<qreal> tickRows(const ChartBase& chart)
{
    QList<qreal> rows;
    for (const QLineF& line : chart.horizontalLines().mid(1))
        rows.append(line.p1().y());
    return rows;
}

// Month lines of a car in litres per 100 km: each consumption c is c litres over 100 km, and
// 0 a month without distance (no figure). Month k costs 10 k + 0.7.
QList<OilReportItem> monthsConsuming(const QList<double>& consumptions)
{
    QList<OilReportItem> months;
    for (qsizetype i = 0; i < consumptions.size(); ++i) {
        OilReportItem month;
        month.monthInteger = 201101 + double(i % 12) + 100.0 * double(i / 12);
        month.totalVolumn = consumptions.at(i) > 0 ? consumptions.at(i) : 35;
        month.totalMiles = consumptions.at(i) > 0 ? 100 : 0;
        month.totalMoney = 10.0 * double(i + 1) + 0.7;
        months.append(month);
    }
    return months;
}

} // namespace

// The chart frame, the line chart and its drawing vocabulary, and the report's charts: the axis
// steps, the monthly cost bars, the summary table and the chart row that feeds them, checked
// shape by shape or pixel by pixel as they are painted. Every chart is 300 x 200 with default
// margins unless a test says otherwise.
class TestCharts : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    std::unique_ptr<ChartOwner> m_owner;
    std::unique_ptr<ChartView> m_chart;
    std::unique_ptr<BarChart> m_barChart;
    std::unique_ptr<RPChartView> m_reportChart;
    std::unique_ptr<MoneyChartCell> m_cell;

    void plotVolumes(const QList<double>& volumes)
    {
        QList<double> positions;
        for (qsizetype i = 0; i < volumes.size(); ++i)
            positions.append(double(i + 1));
        m_chart->mxLogicValue = positions;
        m_chart->myLogicValue = volumes;
        m_chart->reload();
    }

    void show(const QList<OilReportItem>& months)
    {
        m_cell->setDataArray(months);
        m_cell->update();
    }

    // The report's line chart as the PDF report draws it; the texts that rise to the right.
    QStringList renderRisingTexts()
    {
        PaintRecorder recorder;
        QPainter painter(&recorder);
        m_reportChart->renderInContext(painter, QRectF(0, 0, 320, 170));
        QStringList texts;
        for (const Item& text : recorder.itemsOfKind(Item::Text)) {
            if (qAbs(text.rotation - 45.0) < 1e-6)
                texts.append(text.text);
        }
        return texts;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(FontCatalog::install()); }

    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        QVERIFY(LogBuilder::createStore());
        LogBuilder::addCar(QStringLiteral("Golf"), 1);
        CarManage::sharedCarManage()->loadDefaultCar();
        m_owner = std::make_unique<ChartOwner>();
        m_chart = std::make_unique<ChartView>();
        m_chart->resize(300, 200);
        m_chart->xyDrawDelegate = m_owner.get();
        m_chart->dataDelegate = m_owner.get();
        m_barChart = std::make_unique<BarChart>();
        m_reportChart = std::make_unique<RPChartView>();
        m_cell = std::make_unique<MoneyChartCell>(*m_barChart, *m_reportChart);
        m_cell->initRPChartView();
    }

    void cleanup()
    {
        m_cell.reset();
        m_reportChart.reset();
        m_barChart.reset();
        m_chart.reset();
        m_owner.reset();
        m_data.reset();
    }

    // Rendered into a page rectangle, the chart draws for that rectangle and queues a reload that
    // brings the screen's own lines back. The spacing follows a change of margin at once, the
    // lines only after a reload; a resize reloads by itself, and more ticks never read past the
    // lines.
    void tickRowsAreReusedUntilReload()
    {
        onScreen(*m_chart);
        QCOMPARE(tickRows(*m_chart), (QList<qreal> { 153, 121, 89, 57, 25 }));
        const QRect ink = inkOf(
            [this](QPainter& painter) { m_chart->renderInContext(painter, QRectF(100, 50, 600, 400)); },
            whiteImage(800, 500));
        // Drawn for the page rectangle: plot area x 105 … 675, y 75 … 435.
        QCOMPARE(tickRows(*m_chart), (QList<qreal> { 363, 291, 219, 147, 75 }));
        QVERIFY(QRect(100, 50, 600, 400).contains(ink));
        QVERIFY(!m_chart->isChanged());
        QCoreApplication::processEvents();
        onScreen(*m_chart);
        QCOMPARE(tickRows(*m_chart), (QList<qreal> { 153, 121, 89, 57, 25 }));

        m_chart->marginTop = 25;
        onScreen(*m_chart);
        QCOMPARE(m_chart->fYMajorTickSetoff(), 28.0f);
        QCOMPARE(tickRows(*m_chart), (QList<qreal> { 153, 121, 89, 57, 25 }));
        m_chart->reload();
        onScreen(*m_chart);
        QCOMPARE(tickRows(*m_chart), (QList<qreal> { 157, 129, 101, 73, 45 }));
        m_chart->resize(300, 360);
        onScreen(*m_chart);
        QCOMPARE(tickRows(*m_chart), (QList<qreal> { 285, 225, 165, 105, 45 }));
        m_owner->yTicks = 8;
        onScreen(*m_chart);
        QCOMPARE(m_chart->horizontalLines().size(), 9);
        QCOMPARE(m_owner->yLabelRequests.last(), 8u);
    }

    // A style without colour draws nothing. A font of size s is s units tall on any device, so a
    // chart keeps its proportions in a 72 dpi image, on a 300 dpi page and on screen; the
    // painter's pen is left as it was. A measured rectangle holds its text on one line.
    void textDrawing()
    {
        CTextStyle style = CTextStyle::textStyle();
        style.color.reset();
        const QString text = QStringLiteral("40.20");
        QCOMPARE(inkOf([&](QPainter& p) {
            CTextStyleExtensions::drawAtPoint(text, QPointF(10, 10), style, p);
            CTextStyleExtensions::drawAtPoint(text, QPointF(100, 50), style, p, M_PI / 4);
            CTextStyleExtensions::drawInRect(
                text, QRectF(0, 0, 200, 100), style, LineBreakMode::WordWrap, Qt::AlignHCenter, p);
        }),
            QRect());

        style.color = CPColor::redColor();
        style.fontSize = 20;
        QList<QRect> inks;
        for (const int dotsPerMeter : { 2835, 11811 }) {
            QImage image = whiteImage(200, 100);
            image.setDotsPerMeterX(dotsPerMeter);
            image.setDotsPerMeterY(dotsPerMeter);
            inks << inkOf(
                [&](QPainter& painter) {
                    painter.setPen(Qt::blue);
                    CTextStyleExtensions::drawAtPoint(QStringLiteral("HHH"), QPointF(10, 10), style, painter);
                    QCOMPARE(painter.pen().color(), QColor(Qt::blue));
                },
                image);
        }
        QCOMPARE(inks.at(1), inks.at(0));
        // Capitals of a 20-unit font are roughly 14 units tall.
        QVERIFY(qAbs(inks.at(0).height() - 14) <= 2);

        const QString measured = QStringLiteral("百公里油耗");
        const QSizeF size = CTextStyleExtensions::sizeWithTextStyle(measured, style);
        QCOMPARE(inkOf([&](QPainter& p) {
            CTextStyleExtensions::drawInRect(measured, QRectF(QPointF(10, 10), size), style,
                LineBreakMode::CharacterWrap, Qt::AlignLeft, p);
        }),
            inkOf([&](QPainter& p) {
                CTextStyleExtensions::drawAtPoint(measured, QPointF(10, 10), style, p);
            }));
    }

    // One x tick per fill-up from the left (54 apart); 32 per step of 10 litres, by the integer
    // parts 40, 47 and 45. The label has the user's decimals; the bubble shows it in white, when
    // the owner asks for it. A y step below one counts as one; a negative tick count as its
    // absolute value.
    void pointsOfTheLineChart()
    {
        Setting::setFloatValuePrecisionDigits(3);
        m_owner->bubbles = true;
        plotVolumes({ 40.2, 47.0, 45.3 });
        QImage image = onScreen(*m_chart);
        const QList<ChartPoint>& points = m_chart->mCurvePoints();
        QCOMPARE(points.size(), 3);
        QVERIFY(qAbs(points.at(1).mPoint.y() - (185 - 150.4)) < 1e-4);
        QCOMPARE(points.at(2).mPoint, QPointF(113, 185 - 144));
        QCOMPARE(points.at(2).mLable, QStringLiteral("45.300"));
        const QRect box = QRectF(points.at(1).mPoint.x() - 3, points.at(1).mPoint.y() - 25, 32, 15).toRect();
        const auto isWhite
            = [](QRgb pixel) { return qRed(pixel) > 235 && qGreen(pixel) > 235 && qBlue(pixel) > 235; };
        const QRect text = pixelsWhere(image, box, isWhite);
        QVERIFY(qAbs(text.center().x() - box.center().x()) <= 2);
        m_owner->bubbles = false;
        image = onScreen(*m_chart);
        QVERIFY(pixelsWhere(image, box, isWhite).isEmpty());

        m_owner->yStep = 0.5;
        m_owner->xTicks = -4;
        plotVolumes({ 3.0 });
        onScreen(*m_chart);
        QCOMPARE(m_chart->mCurvePoints().first().mPoint.y(), 185.0 - 3 * 32);
        QCOMPARE(m_chart->mxMajorTickNumber(), 4u);
        // Data that does not pair up has no curve; the frame stays.
        m_chart->myLogicValue = QList<double> { 40, 47 };
        m_chart->reload();
        onScreen(*m_chart);
        QVERIFY(m_chart->mCurvePoints().isEmpty());
        QCOMPARE(m_chart->horizontalLines().size(), 6);
    }

    // A data delegate that answers nothing leaves the chart's own numbers; a drawing delegate
    // that answers nothing, or none, gives no ticks and asks for no texts.
    void silentDelegatesLeaveTheChartsOwn()
    {
        SilentOwner silent;
        m_chart->dataDelegate = &silent;
        m_chart->myLogicLength = 20;
        m_chart->myStartValue = 10;
        m_chart->mxLogicLength = 1;
        plotVolumes({ 50.0 });
        onScreen(*m_chart);
        // x 1 lies one tick from the left; y 50 lies two steps of 20 above 10.
        QCOMPARE(m_chart->mCurvePoints().first().mPoint, QPointF(59, 185 - 64));

        for (ChartViewDrawDelegate* delegate :
            { static_cast<ChartViewDrawDelegate*>(&silent), static_cast<ChartViewDrawDelegate*>(nullptr) }) {
            m_owner->xLabelRequests.clear();
            m_chart->xyDrawDelegate = delegate;
            m_chart->reload();
            onScreen(*m_chart);
            QCOMPARE(m_chart->mxMajorTickNumber() + m_chart->myMajorTickNumber(), 0u);
            QVERIFY(m_owner->xLabelRequests.isEmpty());
        }
    }

    // The owner chooses the tick lines drawn. With origin type 1 every x label, the origin at
    // the right end included, is asked for, the y label at the origin not; type 0 asks for neither.
    // A label hangs from its tick, moved by the owner's offsets. A reload asked for while drawing
    // is ignored.
    void theOwnerChoosesTicksAndLabels()
    {
        m_chart->resize(300, 230);
        m_chart->marginDown = 35;
        m_chart->mXYMajorTickColor = QColor(Qt::blue);
        m_chart->xAxisTitleStyle.color = CPColor::greenColor();
        m_owner->hiddenXTick = 0;
        m_owner->xLabels = QStringList { QString(), QString(), "05-12" };
        m_owner->xLabelOffset = QPointF(4, 6);
        m_owner->reloadedWhileDrawing = m_chart.get();
        const QImage image = onScreen(*m_chart);
        QCOMPARE(m_owner->titleRequests, 1);
        QVERIFY(!m_chart->isChanged());
        const QRect ink = pixelsWhere(image, image.rect(),
            [](QRgb pixel) { return qGreen(pixel) - qBlue(pixel) > 20 && qGreen(pixel) - qRed(pixel) > 40; });
        // Tick 2 from the left stands at x 5 + 2 * 54 on the bottom of the plot (185).
        const QSizeF size
            = CTextStyleExtensions::sizeWithTextStyle(QStringLiteral("05-12"), m_chart->xAxisTitleStyle);
        QVERIFY(QRectF(QPointF(113 + 4, 185 + 6), size).adjusted(-1, -1, 1, 1).contains(QRectF(ink)));
        QVERIFY(ink.left() <= 113 + 4 + 2);
        QCOMPARE(m_owner->xTickQuestions,
            (QList<std::pair<unsigned, unsigned>> { { 0, 5 }, { 1, 5 }, { 2, 5 }, { 3, 5 }, { 4, 5 } }));
        QVERIFY(image.pixel(221, 100) != qRgb(0, 0, 255));
        QCOMPARE(image.pixel(167, 100), qRgb(0, 0, 255));
        QCOMPARE(m_owner->xLabelRequests, (QList<unsigned> { 0, 1, 2, 3, 4, 5 }));
        QCOMPARE(m_owner->yLabelRequests, (QList<unsigned> { 1, 2, 3, 4, 5 }));
        m_owner->xLabelRequests.clear();
        m_owner->yLabelRequests.clear();
        m_chart->mOriginType = 0;
        onScreen(*m_chart);
        QCOMPARE(m_owner->xLabelRequests, (QList<unsigned> { 1, 2, 3, 4, 5 }));
        QCOMPARE(m_owner->yLabelRequests, (QList<unsigned> { 1, 2, 3, 4, 5 }));
    }

    // Steps for five ticks, as both charts ask: the worked table with either list of multiples,
    // the edges of the small-range table, and the fallbacks.
    void stepOfTheAxis_data()
    {
        QTest::addColumn<double>("range");
        QTest::addColumn<QList<quint64>>("multiples");
        QTest::addColumn<bool>("nullMultiples");
        QTest::addColumn<qint64>("step");
        const QList<quint64> consumption { 5, 4, 3 };
        const QList<quint64> volume { 5, 4, 3, 2, 1 };
        const struct
        {
            double range;
            qint64 consumptionStep;
            qint64 volumeStep;
        } worked[] = { { 3.2, 1, 1 }, { 7.5, 2, 2 }, { 18, 4, 4 }, { 28, 6, 6 }, { 45.3, 30, 10 },
            { 150, 30, 30 }, { 420, 300, 100 } };
        for (const auto& row : worked) {
            QTest::addRow("%g with 5,4,3", row.range)
                << row.range << consumption << false << row.consumptionStep;
            QTest::addRow("%g with 5..1", row.range) << row.range << volume << false << row.volumeStep;
        }
        QTest::newRow("exactly 5") << 5.0 << volume << false << qint64(2);
        QTest::newRow("exactly 30") << 30.0 << volume << false << qint64(6);
        QTest::newRow("30.5 leaves the small ranges") << 30.5 << volume << false << qint64(10);
        QTest::newRow("150.1 needs more than 5 steps of 30") << 150.1 << volume << false << qint64(40);
        QTest::newRow("ascending multiples stop early")
            << 150.0 << QList<quint64> { 1, 2, 3 } << false << qint64(100);
        QTest::newRow("nothing to show") << 0.0 << volume << false << qint64(1);
        QTest::newRow("not a number") << std::nan("") << volume << false << qint64(1);
        QTest::newRow("no multiples") << 100.0 << QList<quint64>() << true << qint64(24);
        QTest::newRow("no multiples, small range") << 3.0 << QList<quint64>() << true << qint64(0);
        QTest::newRow("zero length") << 100.0 << QList<quint64>() << false << qint64(24);
    }

    void stepOfTheAxis()
    {
        QFETCH(double, range);
        QFETCH(QList<quint64>, multiples);
        QFETCH(bool, nullMultiples);
        // An empty list passed with a length of 0 still points at multiples.
        static constexpr quint64 kMultiples[5] = { 5, 4, 3, 2, 1 };
        const quint64* buffer
            = nullMultiples ? nullptr : (multiples.isEmpty() ? kMultiples : multiples.constData());
        QTEST(Utility::ChartYAxisSetOff(range, 5, buffer, quint8(multiples.size())), "step");
    }

    void barChartWorkedExamples_data()
    {
        QTest::addColumn<QList<double>>("amounts");
        QTest::addColumn<quint64>("top");
        QTest::addColumn<QStringList>("valueLabels");
        QTest::addColumn<int>("barDistance");
        QTest::addColumn<QList<int>>("barHeights");
        QTest::newRow("five months") << QList<double> { 120.5, 80, 95, 130.9, 60 } << quint64(130)
                                     << QStringList { "$0", "$35", "$70", "$105", "$140" } << 30
                                     << QList<int> { 84, 55, 66, 91, 41 };
        // Twelve bars at most: months 4 to 15 of 100 + 10 k, on a scale of 275.
        QList<double> fifteen;
        for (int k = 1; k <= 15; ++k)
            fifteen.append(100 + 10 * k);
        QTest::newRow("fifteen months")
            << fifteen << quint64(250) << QStringList { "$0", "$68", "$136", "$204", "$272" } << 20
            << QList<int> { 50, 54, 58, 61, 65, 69, 72, 76, 80, 83, 87, 90 };
        // Every amount below 1: a scale of 0, and bars without height rather than a division by 0.
        QTest::newRow("all below one")
            << QList<double> { 0.5, 0.9 } << quint64(0) << QStringList { "$0", "$0", "$0", "$0", "$0" } << 30
            << QList<int> { 0, 0 };
    }

    void barChartWorkedExamples()
    {
        QFETCH(QList<double>, amounts);
        QFETCH(quint64, top);
        QFETCH(QStringList, valueLabels);
        QFETCH(int, barDistance);
        QFETCH(QList<int>, barHeights);
        QList<OilReportItem> months = monthsConsuming(QList<double>(amounts.size(), 0));
        for (qsizetype i = 0; i < amounts.size(); ++i)
            months[i].totalMoney = amounts.at(i);

        PaintRecorder recorder;
        QPainter painter(&recorder);
        painter.translate(20, 520);
        QCOMPARE(BarChart::drawBar(painter, months, top, 0, QStringLiteral("Cost"), Qt::red), 200.0f);
        painter.end();

        // After the bold title: the value labels from the axis up, then each bar's month at 45
        // degrees. The bars stand on y 99 from x 42, a bar distance apart and half as wide.
        const QList<Item> texts = recorder.itemsOfKind(Item::Text);
        QStringList shown;
        for (const Item& text : texts)
            shown << text.text;
        QStringList expected = QStringList { QStringLiteral("Cost") } + valueLabels;
        for (const OilReportItem& month : months.mid(months.size() - barHeights.size()))
            expected << month.getMonthString();
        QCOMPARE(shown, expected);
        const QList<Item> bars = recorder.itemsOfKind(Item::Rect);
        QCOMPARE(bars.size(), barHeights.size());
        for (qsizetype j = 0; j < bars.size(); ++j) {
            QCOMPARE(bars.at(j).bounds,
                QRectF(20 + 42 + j * barDistance, 540 + 99 - barHeights.at(j), barDistance / 2.0,
                    barHeights.at(j)));
            QVERIFY(qAbs(texts.at(6 + j).rotation - 45.0) < 1e-6);
        }
    }

    void tableGridAndCells()
    {
        PaintRecorder recorder;
        QPainter painter(&recorder);
        const QString longText = QStringLiteral("A value far too long to fit a column of 150 points at all");
        QVERIFY(TableChart::TableChartDraw(painter, QRectF(10, 20, 250, 60), 3, 2,
            { { "Tank", "60L" }, { "Name", longText }, { "Only a label" }, { "Beyond", "the rows" } }));
        painter.end();

        // Columns of 250 / 2.5 = 100, the last one 150 wide; rows of 20.
        QList<QLineF> inner;
        for (const Item& line : recorder.itemsOfKind(Item::Line))
            inner.append(line.line);
        QCOMPARE(inner, (QList<QLineF> { { 10, 40, 260, 40 }, { 10, 60, 260, 60 }, { 110, 20, 110, 80 } }));
        const QList<Item> texts = recorder.itemsOfKind(Item::Text);
        QCOMPARE(texts.size(), 5);
        QCOMPARE(texts.at(1).bounds.x(), 118.0);
        // Too long even at 10 points: shrunk to 10 and cut short within the 142 points left.
        const Item& shortened = texts.at(3);
        QCOMPARE(shortened.font.pixelSize(), 10);
        QVERIFY(shortened.text.endsWith(QChar(0x2026)));
        QVERIFY(QFontMetricsF(shortened.font).horizontalAdvance(shortened.text) <= 142);
    }

    void labelsStepAndBars_data()
    {
        QTest::addColumn<int>("months");
        QTest::addColumn<double>("largest");
        QTest::addColumn<int>("labels");
        QTest::addColumn<int>("emptyLabels");
        QTest::addColumn<int>("step");
        QTest::addColumn<quint32>("top");
        QTest::newRow("none") << 0 << 0.0 << 10 << 10 << 1 << 0u;
        QTest::newRow("three months") << 3 << 7.5 << 10 << 7 << 2 << 30u;
        // Only 5, 4 and 3 are tried as multiples: 420 takes 300, where 100 would do with 1.
        QTest::newRow("fifteen months") << 15 << 420.0 << 12 << 0 << 300 << 150u;
    }

    void labelsStepAndBars()
    {
        QFETCH(int, months);
        QFETCH(double, largest);
        QList<double> consumptions;
        for (int i = 1; i <= months; ++i)
            consumptions.append(largest * i / months);
        const QList<OilReportItem> items = monthsConsuming(consumptions);
        show(items);
        const QStringList captions = m_cell->xLables();
        QTEST(int(captions.size()), "labels");
        QTEST(int(captions.count(QString())), "emptyLabels");
        // The last twelve months at most.
        if (months > 0)
            QCOMPARE(captions.first(), items.at(qMax(0, months - 12)).getMonthString());
        QTEST(m_cell->mDySetOff(), "step");
        // The bar chart gets every month, scaled to the largest cost of those on the line chart.
        QCOMPARE(m_barChart->dataArray.size(), months);
        QTEST(m_barChart->top, "top");
    }

    // The car given is charted, not the current one (L/100km). Amounts below zero leave the
    // scale to the other months; without a current car the charts stay as they were.
    void givenCarBelowZeroAndWithoutACurrentCar()
    {
        const CarInfo given; // the first unit system: km/L
        MoneyChartCell cell(*m_barChart, *m_reportChart, &given);
        cell.setDataArray(monthsConsuming({ 8.0 }));
        cell.update();
        QCOMPARE(cell.myData(), QList<double> { 12.5 });
        float x = 0, y = 0;
        QCOMPARE(cell.loadYAxisTextForChartView(*m_reportChart, x, y), QStringLiteral("km/L"));

        QList<OilReportItem> items = monthsConsuming({ 8.2, 7.9 });
        items[0].totalMoney = -50;
        show(items);
        QCOMPARE(m_barChart->top, 20u);
        m_data->restart();
        show(monthsConsuming({ 5, 6, 7, 8 }));
        QCOMPARE(m_cell->myData(), (QList<double> { 8.2, 7.9 }));
        QCOMPARE(m_barChart->dataArray.size(), 2);
    }

    void lineChartPlacesEachMonthOnItsTick()
    {
        show(monthsConsuming({ 0, 8.2, 0, 7.9 }));
        // Months without a figure carry the one before; leading ones show 0.
        QCOMPARE(m_cell->myData(), (QList<double> { 0, 8.2, 8.2, 7.9 }));
        // The month captions rise to the right.
        QCOMPARE(renderRisingTexts(), (QStringList { "Jan 2011", "Feb 2011", "Mar 2011", "Apr 2011" }));
        // Month k on x tick k - 1, the first on the origin; the month without a figure at the
        // height of the carried 8.2 by its integer part, 8 = four steps of 2.
        const QList<ChartPoint>& points = m_reportChart->mCurvePoints();
        QCOMPARE(points.size(), 4);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(points.at(k).mPoint.x(), m_reportChart->verticalLines().at(k).p1().x());
        QCOMPARE(points.at(2).mPoint.y(), m_reportChart->horizontalLines().at(4).p1().y());
        QCOMPARE(points.at(2).mLable, QStringLiteral("8.20"));

        // Of fifteen months the last twelve are drawn; the twelfth lies a tick beyond the
        // ten-tick axis and has no caption.
        show(monthsConsuming(QList<double>(15, 6.0)));
        QCOMPARE(renderRisingTexts().size(), 11);
        QCOMPARE(m_reportChart->mCurvePoints().last().mPoint.x(),
            m_reportChart->horizontalLines().first().p2().x() + m_reportChart->fXMajorTickSetoff());
    }
};

QTEST_MAIN(TestCharts)
#include "tst_charts.moc"
