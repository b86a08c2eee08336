#include "charts/BarChart.h"
#include "charts/CPColor.h"
#include "charts/MoneyChartCell.h"
#include "charts/RPChartView.h"
#include "charts/TableChart.h"
#include "platform/FontCatalog.h"
#include "store/CarManage.h"
#include "support/LogBuilder.h"
#include "support/PaintRecorder.h"
#include "support/TestDataDirectory.h"

#include <QPainter>
#include <QtTest>

#include <memory>

namespace {

using Item = PaintRecorder::Item;

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

QList<OilReportItem> monthsCosting(const QList<double>& amounts)
{
    QList<OilReportItem> months = monthsConsuming(QList<double>(amounts.size(), 0));
    for (qsizetype i = 0; i < amounts.size(); ++i)
        months[i].totalMoney = amounts.at(i);
    return months;
}

// The bars take the palette from its end: green, red, blue, orange, pink, cyan, brown, green...
const QList<QColor> kBarColors { QColor::fromRgbF(0.34f, 0.65f, 0.02f), QColor::fromRgbF(0.84f, 0.11f, 0.06f),
    QColor::fromRgbF(0.12f, 0.35f, 0.71f), QColor::fromRgbF(0.91f, 0.49f, 0.06f),
    QColor::fromRgbF(0.96f, 0.11f, 0.51f), QColor::fromRgbF(0.2f, 0.76f, 0.78f),
    QColor::fromRgbF(0.58f, 0.31f, 0.04f) };

} // namespace

// The report's charts: the monthly cost bars and the summary table, checked shape by shape as
// they are painted, and the chart row that turns month lines into the bar chart and the line chart.
class TestReportCharts : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    std::unique_ptr<BarChart> m_barChart;
    std::unique_ptr<RPChartView> m_chart;
    std::unique_ptr<MoneyChartCell> m_cell;

    void show(const QList<OilReportItem>& months)
    {
        m_cell->setDataArray(months);
        m_cell->update();
    }

    static QStringList risingTexts(const PaintRecorder& recorder)
    {
        QStringList texts;
        for (const Item& text : recorder.itemsOfKind(Item::Text)) {
            if (qAbs(text.rotation() - 45.0) < 1e-6)
                texts.append(text.text);
        }
        return texts;
    }

    // The line chart as the PDF report draws it.
    void render(PaintRecorder& recorder)
    {
        recorder.clear();
        QPainter painter(&recorder);
        m_chart->renderInContext(painter, QRectF(0, 0, 320, 170));
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(FontCatalog::install()); }

    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        QVERIFY(LogBuilder::createStore());
        LogBuilder::addCar(QStringLiteral("Golf"), 1);
        CarManage::sharedCarManage()->loadDefaultCar();
        m_barChart = std::make_unique<BarChart>();
        m_chart = std::make_unique<RPChartView>();
        m_cell = std::make_unique<MoneyChartCell>(*m_barChart, *m_chart);
        m_cell->initRPChartView();
    }

    void cleanup()
    {
        m_cell.reset();
        m_chart.reset();
        m_barChart.reset();
        m_data.reset();
    }

    void workedExamples_data()
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
        QList<int> lastTwelve;
        for (int k = 1; k <= 15; ++k) {
            fifteen.append(100 + 10 * k);
            if (k >= 4)
                lastTwelve.append(int((100 + 10 * k) * 100.0 / 275));
        }
        QTest::newRow("fifteen months")
            << fifteen << quint64(250) << QStringList { "$0", "$68", "$136", "$204", "$272" } << 20
            << lastTwelve;
        // Every amount below 1: a scale of 0, and bars without height rather than a division by 0.
        QTest::newRow("all below one")
            << QList<double> { 0.5, 0.9 } << quint64(0) << QStringList { "$0", "$0", "$0", "$0", "$0" } << 30
            << QList<int> { 0, 0 };
    }

    void workedExamples()
    {
        QFETCH(QList<double>, amounts);
        QFETCH(quint64, top);
        QFETCH(QStringList, valueLabels);
        QFETCH(int, barDistance);
        QFETCH(QList<int>, barHeights);
        const QList<OilReportItem> months = monthsCosting(amounts);

        PaintRecorder recorder;
        QPainter painter(&recorder);
        painter.translate(20, 520);
        QCOMPARE(BarChart::drawBar(painter, months, top, 0, QStringLiteral("Cost"), Qt::red), 200.0f);
        painter.end();

        // After the bold title: the value labels from the axis up, right-aligned against x 38,
        // then each bar's month at 45 degrees in the bar's colour.
        const QList<Item> texts = recorder.itemsOfKind(Item::Text);
        QCOMPARE(texts.size(), 1 + 5 + barHeights.size());
        QCOMPARE(texts.first().text, QStringLiteral("Cost"));
        for (int k = 0; k < 5; ++k) {
            const Item& label = texts.at(1 + k);
            QCOMPARE(label.text, valueLabels.at(k));
            const qreal right = label.bounds.x() + QFontMetricsF(label.font).horizontalAdvance(label.text);
            QVERIFY2(qAbs(right - (20 + 38)) < 0.5, qPrintable(QString::number(right)));
            QVERIFY(qAbs(label.bounds.y() - (540 + 97 - 25 * k + 8)) < 8);
        }

        // The bars stand on y 99 from x 42, a bar distance apart and half as wide.
        const QList<Item> bars = recorder.itemsOfKind(Item::Rect);
        QCOMPARE(bars.size(), barHeights.size());
        for (qsizetype j = 0; j < bars.size(); ++j) {
            const QRectF expected(
                20 + 42 + j * barDistance, 540 + 99 - barHeights.at(j), barDistance / 2.0, barHeights.at(j));
            QCOMPARE(bars.at(j).bounds, expected);
            QCOMPARE(bars.at(j).brush.color(), kBarColors.at(j % 7));
            const Item& month = texts.at(6 + j);
            QCOMPARE(month.text, months.at(months.size() - bars.size() + j).getMonthString());
            QCOMPARE(month.penColor, kBarColors.at(j % 7));
            QVERIFY(qAbs(month.rotation() - 45.0) < 1e-6);
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
        QCOMPARE(texts.at(0).font.pixelSize(), 14);
        QCOMPARE(texts.at(0).penColor, CPColor::brownColor().cgColor());
        QCOMPARE(texts.at(1).bounds.x(), 118.0);
        // Too long even at 10 points: shrunk to 10 and cut short within the 142 points left.
        const Item& shortened = texts.at(3);
        QCOMPARE(shortened.font.pixelSize(), 10);
        QVERIFY(shortened.text.endsWith(QChar(0x2026)));
        QVERIFY(QFontMetricsF(shortened.font).horizontalAdvance(shortened.text) <= 142);
    }
    void monthsWithoutAFigureCarryThePreviousOne_data()
    {
        QTest::addColumn<QList<double>>("consumptions");
        QTest::addColumn<QList<double>>("plotted");
        QTest::newRow("between two months")
            << QList<double> { 8.2, 0, 7.9 } << QList<double> { 8.2, 8.2, 7.9 };
        QTest::newRow("leading ones show 0")
            << QList<double> { 0, 0, 6.5, 0 } << QList<double> { 0, 0, 6.5, 6.5 };
    }

    void monthsWithoutAFigureCarryThePreviousOne()
    {
        QFETCH(QList<double>, consumptions);
        QFETCH(QList<double>, plotted);
        show(monthsConsuming(consumptions));
        QCOMPARE(m_cell->myData(), plotted);
        QCOMPARE(*m_chart->myLogicValue, plotted);
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
        QTest::newRow("eleven months") << 11 << 45.3 << 11 << 0 << 30 << 110u;
        // Only 5, 4 and 3 are tried as multiples: 420 takes 300, where 100 would do with 1.
        QTest::newRow("fifteen months") << 15 << 420.0 << 12 << 0 << 300 << 150u;
    }

    void labelsStepAndBars()
    {
        QFETCH(int, months);
        QFETCH(double, largest);
        QFETCH(int, labels);
        QFETCH(int, emptyLabels);
        QFETCH(int, step);
        QFETCH(quint32, top);
        QList<double> consumptions;
        for (int i = 1; i <= months; ++i)
            consumptions.append(largest * i / months);
        const QList<OilReportItem> items = monthsConsuming(consumptions);
        show(items);

        const QStringList captions = m_cell->xLables();
        QCOMPARE(captions.size(), labels);
        QCOMPARE(captions.count(QString()), emptyLabels);
        // The last twelve months at most.
        if (months > 0)
            QCOMPARE(captions.first(), items.at(qMax(0, months - 12)).getMonthString());
        QCOMPARE(m_cell->mDySetOff(), step);

        // The bar chart gets every month, scaled to the largest cost of those on the line chart.
        QCOMPARE(m_barChart->dataArray.size(), months);
        QCOMPARE(m_barChart->top, top);
    }

    void amountsBelowZeroLeaveTheScaleToTheOtherMonths()
    {
        QList<OilReportItem> items = monthsConsuming({ 8.2, 7.9 });
        items[0].totalMoney = -50;
        show(items);
        QCOMPARE(m_barChart->top, 20u);
    }

    void withoutACurrentCarTheChartsStayAsTheyWere()
    {
        show(monthsConsuming({ 8.2, 7.9 }));
        m_data->restart();
        show(monthsConsuming({ 5, 6, 7, 8 }));
        QCOMPARE(m_cell->myData(), (QList<double> { 8.2, 7.9 }));
        QCOMPARE(m_barChart->dataArray.size(), 2);
    }

    // The car given is charted, not the current one (L/100km).
    void aGivenCarIsChartedWhateverCarIsCurrent()
    {
        const CarInfo given; // the first unit system: km/L
        MoneyChartCell cell(*m_barChart, *m_chart, &given);
        cell.initRPChartView();
        cell.setDataArray(monthsConsuming({ 8.0 }));
        cell.update();
        QCOMPARE(cell.myData(), QList<double> { 12.5 });
        float x = 0, y = 0;
        QCOMPARE(cell.loadYAxisTextForChartView(*m_chart, x, y), QStringLiteral("km/L"));
    }

    void lineChartPlacesEachMonthOnItsTick()
    {
        show(monthsConsuming({ 8.2, 0, 7.9 }));
        PaintRecorder recorder;
        render(recorder);

        // Month k on x tick k - 1, the first on the origin; the month without a figure at the
        // height of the carried 8.2 by its integer part, 8 = four steps of 2.
        const QList<ChartPoint>& points = m_chart->mCurvePoints();
        QCOMPARE(points.size(), 3);
        for (int k = 0; k < 3; ++k)
            QCOMPARE(points.at(k).mPoint.x(), m_chart->verticalLines().at(k).p1().x());
        QCOMPARE(points.at(1).mPoint.y(), m_chart->horizontalLines().at(4).p1().y());
        QCOMPARE(points.at(1).mLable, QStringLiteral("8.20"));

        // The month captions rise to the right.
        QCOMPARE(risingTexts(recorder), (QStringList { "Jan 2011", "Feb 2011", "Mar 2011" }));

        // Of fifteen months the last twelve are drawn; the twelfth lies a tick beyond the
        // ten-tick axis and has no caption.
        show(monthsConsuming(QList<double>(15, 6.0)));
        render(recorder);
        QCOMPARE(m_chart->mCurvePoints().size(), 12);
        const qreal axisEnd = m_chart->horizontalLines().first().p2().x();
        QVERIFY(
            qAbs(m_chart->mCurvePoints().last().mPoint.x() - axisEnd - m_chart->fXMajorTickSetoff()) < 1e-3);
        QCOMPARE(risingTexts(recorder).size(), 11);
    }
};

QTEST_MAIN(TestReportCharts)
#include "tst_reportcharts.moc"
