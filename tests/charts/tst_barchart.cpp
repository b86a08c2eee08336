#include "charts/BarChart.h"
#include "charts/CPColor.h"
#include "charts/TableChart.h"
#include "platform/DeviceLocale.h"
#include "platform/FontCatalog.h"
#include "support/PaintRecorder.h"

#include <QPainter>
#include <QtTest>

#include <cmath>

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

bool isPaletteColor(const QColor& color)
{
    for (const QColor& paletteColor : BarChart::palette()) {
        if (paletteColor == color)
            return true;
    }
    return false;
}

// The value labels (8) or the month labels (10), without the bold title.
QList<Item> textsOfSize(const PaintRecorder& recorder, int pixelSize)
{
    QList<Item> texts;
    for (const Item& text : recorder.itemsOfKind(Item::Text)) {
        if (text.font.pixelSize() == pixelSize && !text.font.bold())
            texts.append(text);
    }
    return texts;
}

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
        // Twelve bars at most: months 4 to 15, of 100 + 10 k; the scale is 275.
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

        // The value labels, right-aligned against x 38, 25 apart upwards from the axis at y 100.
        const QList<Item> labels = textsOfSize(recorder, 8);
        QCOMPARE(labels.size(), 5);
        for (int k = 0; k < 5; ++k) {
            const Item& label = labels.at(k);
            QCOMPARE(label.text, valueLabels.at(k));
            QCOMPARE(label.penColor, CPColor::grayColor().cgColor());
            const qreal right = label.bounds.x() + QFontMetricsF(label.font).horizontalAdvance(label.text);
            QVERIFY2(qAbs(right - (20 + 38)) < 0.5, qPrintable(QString::number(right)));
            const qreal top = 520 + 20 + 97 - 25 * k;
            QVERIFY(label.bounds.y() > top && label.bounds.y() < top + 16);
        }

        // The bars stand on y 99, from x 42 a bar distance apart, half that wide, coloured from
        // the palette's end backwards.
        QList<Item> bars;
        for (const Item& rect : recorder.itemsOfKind(Item::Rect)) {
            if (isPaletteColor(rect.brush.color()))
                bars.append(rect);
        }
        QCOMPARE(bars.size(), barHeights.size());
        for (qsizetype j = 0; j < bars.size(); ++j) {
            const QRectF expected(
                20 + 42 + j * barDistance, 540 + 99 - barHeights.at(j), barDistance / 2.0, barHeights.at(j));
            QCOMPARE(bars.at(j).bounds, expected);
            QCOMPARE(bars.at(j).brush.color(), BarChart::palette().at(6 - j % 7));
        }

        // Each bar's month hangs below it at 45 degrees, in the bar's colour.
        const QList<Item> monthLabels = textsOfSize(recorder, 10);
        QCOMPARE(monthLabels.size(), bars.size());
        for (qsizetype j = 0; j < monthLabels.size(); ++j) {
            const Item& label = monthLabels.at(j);
            QCOMPARE(label.text, months.at(months.size() - bars.size() + j).getMonthString());
            QCOMPARE(label.penColor, bars.at(j).brush.color());
            QVERIFY(qAbs(label.rotation() - 45.0) < 1e-6);
        }
    }

    void paletteOrderAndFrame()
    {
        PaintRecorder recorder;
        QPainter painter(&recorder);
        BarChart::drawBar(
            painter, monthsCosting({ 1, 2, 3, 4, 5, 6, 7, 8 }), 8, 0, QStringLiteral("Cost"), Qt::red);
        painter.end();

        QList<QColor> colors;
        for (const Item& rect : recorder.itemsOfKind(Item::Rect))
            colors.append(rect.brush.color());
        const QList<QColor> expected { QColor::fromRgbF(0.34f, 0.65f, 0.02f),
            QColor::fromRgbF(0.84f, 0.11f, 0.06f), QColor::fromRgbF(0.12f, 0.35f, 0.71f),
            QColor::fromRgbF(0.91f, 0.49f, 0.06f), QColor::fromRgbF(0.96f, 0.11f, 0.51f),
            QColor::fromRgbF(0.2f, 0.76f, 0.78f), QColor::fromRgbF(0.58f, 0.31f, 0.04f),
            QColor::fromRgbF(0.34f, 0.65f, 0.02f) };
        QCOMPARE(colors, expected);

        // Title, the two axes and four dashed guide lines.
        const QList<Item> texts = recorder.itemsOfKind(Item::Text);
        QCOMPARE(texts.first().text, QStringLiteral("Cost"));
        QVERIFY(texts.first().font.bold());
        const QList<Item> lines = recorder.itemsOfKind(Item::Line);
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines.at(0).line, QLineF(40, 20, 40, 120));
        QCOMPARE(lines.at(1).line, QLineF(40, 120, 280, 120));
        for (int k = 0; k < 4; ++k) {
            const qreal y = 20 + 76 - 25 * k;
            QCOMPARE(lines.at(2 + k).line, QLineF(40, y, 275, y));
            QCOMPARE(lines.at(2 + k).dashPattern, (QList<qreal> { 3, 3 }));
            QVERIFY(!lines.at(2 + k).antialiased);
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
        QVERIFY(TableChart::TableChartDraw(painter, QRectF(10, 20, 250, 60), 3, 2,
            { { "Tank", "60L" }, { "Name", longText }, { "Only a label" }, { "Beyond", "the rows" } }));
        painter.end();

        // Columns of 250 / 2.5 = 100, the last one 150 wide; rows of 20.
        QList<QLineF> inner;
        for (const Item& line : recorder.itemsOfKind(Item::Line))
            inner.append(line.line);
        QCOMPARE(inner, (QList<QLineF> { { 10, 40, 260, 40 }, { 10, 60, 260, 60 }, { 110, 20, 110, 80 } }));
        QCOMPARE(recorder.itemsOfKind(Item::Rect).first().bounds, QRectF(10, 20, 250, 60));

        const QList<Item> texts = recorder.itemsOfKind(Item::Text);
        QCOMPARE(texts.size(), 5);
        const Item& label = texts.at(0);
        QCOMPARE(label.text, QStringLiteral("Tank"));
        QCOMPARE(label.font.pixelSize(), 14);
        QCOMPARE(label.penColor, CPColor::brownColor().cgColor());
        QCOMPARE(label.bounds.x(), 18.0);
        const Item& value = texts.at(1);
        QCOMPARE(value.font.pixelSize(), 12);
        QCOMPARE(value.penColor, CPColor::blackColor().cgColor());
        QCOMPARE(value.bounds.x(), 118.0);
        // Centred in its row: the baseline lies half the line height below the row's middle,
        // less the descent.
        const QFontMetricsF metrics(value.font);
        QVERIFY(qAbs(value.bounds.y() - (30 - metrics.height() / 2 + metrics.ascent())) < 1);

        // Too long even at 10 points: shrunk to 10 and cut short within the 142 points left.
        const Item& shortened = texts.at(3);
        QCOMPARE(shortened.font.pixelSize(), 10);
        QVERIFY(shortened.text.endsWith(QChar(0x2026)));
        QVERIFY(QFontMetricsF(shortened.font).horizontalAdvance(shortened.text) <= 142);
        QCOMPARE(texts.at(4).text, QStringLiteral("Only a label"));
    }

    void tableRefusesANegativeRectangle()
    {
        PaintRecorder recorder;
        QPainter painter(&recorder);
        QVERIFY(!TableChart::TableChartDraw(painter, QRectF(0, 0, -10, 60), 3, 2, { { "a", "b" } }));
        QVERIFY(!TableChart::TableChartDraw(painter, QRectF(0, 0, 100, -60), 3, 2, { { "a", "b" } }));
        painter.end();
        QVERIFY(recorder.items().isEmpty());
    }
};

QTEST_MAIN(TestBarChart)
#include "tst_barchart.moc"
