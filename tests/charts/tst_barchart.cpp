#include "charts/BarChart.h"
#include "charts/CPColor.h"
#include "charts/TableChart.h"
#include "platform/DeviceLocale.h"
#include "platform/FontCatalog.h"
#include "support/PaintRecorder.h"

#include <QPainter>
#include <QtTest>

namespace {

using Item = PaintRecorder::Item;

QList<OilReportItem> monthsCosting(const QList<double>& amounts)
{
    QList<OilReportItem> months;
    for (qsizetype i = 0; i < amounts.size(); ++i) {
        OilReportItem month;
        month.monthInteger = 201101 + double(i % 12) + 100.0 * double(i / 12);
        month.totalMoney = amounts.at(i);
        months.append(month);
    }
    return months;
}

// The bars take the palette from its end: green, red, blue, orange, pink, cyan, brown, green...
const QList<QColor> kBarColors { QColor::fromRgbF(0.34f, 0.65f, 0.02f), QColor::fromRgbF(0.84f, 0.11f, 0.06f),
    QColor::fromRgbF(0.12f, 0.35f, 0.71f), QColor::fromRgbF(0.91f, 0.49f, 0.06f),
    QColor::fromRgbF(0.96f, 0.11f, 0.51f), QColor::fromRgbF(0.2f, 0.76f, 0.78f),
    QColor::fromRgbF(0.58f, 0.31f, 0.04f) };

} // namespace

// The monthly cost bars and the summary table, checked shape by shape as they are painted.
class TestBarChart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        DeviceLocale::setLocaleName(QStringLiteral("en_US"));
        DeviceLocale::setTimeZoneId(QStringLiteral("UTC"));
        QVERIFY(FontCatalog::install());
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

    void noMonthsDrawNothing()
    {
        PaintRecorder recorder;
        QPainter painter(&recorder);
        QCOMPARE(BarChart::drawBar(painter, {}, 100, 0, QStringLiteral("Cost"), Qt::red), 200.0f);
        painter.end();
        QVERIFY(recorder.items().isEmpty());
    }

    void tableGridAndCells()
    {
        PaintRecorder recorder;
        QPainter painter(&recorder);
        const QString longText = QStringLiteral("A value far too long to fit a column of 150 points at all");
        QVERIFY(!TableChart::TableChartDraw(painter, QRectF(0, 0, -10, 60), 3, 2, { { "a", "b" } }));
        QVERIFY(recorder.items().isEmpty());
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
        QCOMPARE(texts.at(0).bounds.x(), 18.0);
        const Item& value = texts.at(1);
        QCOMPARE(value.font.pixelSize(), 12);
        QCOMPARE(value.penColor, CPColor::blackColor().cgColor());
        QCOMPARE(value.bounds.x(), 118.0);
        // Centred in its row (20 to 40).
        const QFontMetricsF metrics(value.font);
        QVERIFY(qAbs(value.bounds.y() - metrics.ascent() - (30 - metrics.height() / 2)) < 1);
        // Too long even at 10 points: shrunk to 10 and cut short within the 142 points left.
        const Item& shortened = texts.at(3);
        QCOMPARE(shortened.font.pixelSize(), 10);
        QVERIFY(shortened.text.endsWith(QChar(0x2026)));
        QVERIFY(QFontMetricsF(shortened.font).horizontalAdvance(shortened.text) <= 142);
    }
};

QTEST_MAIN(TestBarChart)
#include "tst_barchart.moc"
