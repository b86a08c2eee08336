#include "charts/BarChart.h"
#include "charts/MoneyChartCell.h"
#include "charts/RPChartView.h"
#include "platform/DeviceLocale.h"
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

} // namespace

// The report's chart row: what the month lines become in the bar chart and the line chart.
class TestMoneyChartCell : public QObject
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

    // The line chart as the PDF report draws it.
    void render(PaintRecorder& recorder)
    {
        recorder.clear();
        QPainter painter(&recorder);
        m_chart->renderInContext(painter, QRectF(0, 0, 320, 170));
    }

private Q_SLOTS:
    void initTestCase()
    {
        DeviceLocale::setLocaleName(QStringLiteral("en_US"));
        QVERIFY(FontCatalog::install());
    }

    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        DeviceLocale::setTimeZoneId(QStringLiteral("UTC"));
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

    void monthsWithoutAFigureCarryThePreviousOne_data()
    {
        QTest::addColumn<QList<double>>("consumptions");
        QTest::addColumn<QList<double>>("plotted");
        QTest::newRow("between two months")
            << QList<double> { 8.2, 0, 7.9 } << QList<double> { 8.2, 8.2, 7.9 };
        QTest::newRow("leading ones show 0")
            << QList<double> { 0, 0, 6.5, 0 } << QList<double> { 0, 0, 6.5, 6.5 };
        QTest::newRow("no figure at all") << QList<double> { 0, 0 } << QList<double> { 0, 0 };
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
        const qsizetype shown = qMin(months, 12);
        for (qsizetype i = 0; i < shown; ++i)
            QCOMPARE(captions.at(i), items.at(months - shown + i).getMonthString());
        QCOMPARE(m_cell->mxData().size(), shown);
        if (shown > 0)
            QCOMPARE(m_cell->mxData().last(), double(shown));
        QCOMPARE(m_cell->mDySetOff(), step);
        QCOMPARE(m_cell->mDyStart(), 0);

        // The bar chart gets every month, scaled to the largest cost of those on the line chart.
        QCOMPARE(m_barChart->dataArray.size(), months);
        QCOMPARE(m_barChart->top, top);
        QCOMPARE(m_barChart->title, QStringLiteral("费用图表"));
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
        CarManage::resetForTesting();
        show(monthsConsuming({ 5, 6, 7, 8 }));
        QCOMPARE(m_cell->myData(), (QList<double> { 8.2, 7.9 }));
        QCOMPARE(m_barChart->dataArray.size(), 2);
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

        // The month captions rise to the right; the y labels 2 to 10 stand right-aligned against
        // the axis, none at the origin.
        QStringList xLabels;
        QStringList yLabels;
        for (const Item& text : recorder.itemsOfKind(Item::Text)) {
            const qreal right = text.bounds.x() + QFontMetricsF(text.font).horizontalAdvance(text.text);
            if (qAbs(text.rotation() - 45.0) < 1e-6)
                xLabels.append(text.text);
            else if (qAbs(right - m_chart->originPoint().x()) < 0.5)
                yLabels.append(text.text);
        }
        QCOMPARE(xLabels, (QStringList { "Jan 2011", "Feb 2011", "Mar 2011" }));
        QCOMPARE(yLabels, (QStringList { "2", "4", "6", "8", "10" }));

        // Of fifteen months the last twelve are drawn; the twelfth lies a tick beyond the
        // ten-tick axis and has no caption.
        show(monthsConsuming(QList<double>(15, 6.0)));
        render(recorder);
        QCOMPARE(m_chart->mCurvePoints().size(), 12);
        const qreal axisEnd = m_chart->horizontalLines().first().p2().x();
        QVERIFY(
            qAbs(m_chart->mCurvePoints().last().mPoint.x() - axisEnd - m_chart->fXMajorTickSetoff()) < 1e-3);
        int captions = 0;
        for (const Item& text : recorder.itemsOfKind(Item::Text))
            captions += qAbs(text.rotation() - 45.0) < 1e-6 ? 1 : 0;
        QCOMPARE(captions, 11);
    }
};

QTEST_MAIN(TestMoneyChartCell)
#include "tst_moneychartcell.moc"
