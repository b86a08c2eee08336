#include "charts/BackgroundButton.h"
#include "charts/CPColor.h"
#include "charts/CTextStyle.h"
#include "charts/CTextStyleExtensions.h"
#include "charts/GradientView.h"
#include "platform/FontCatalog.h"
#include "support/PixelMatch.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>

namespace {

using PixelMatch::describe;
using PixelMatch::near;

QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

// The bounding box of the pixels that are no longer white.
QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
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

Q_DECLARE_METATYPE(CPColor)

class TestDrawingPrimitives : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(FontCatalog::install()); }

    void hashWeighsComponentsInTheirOrder_data()
    {
        QTest::addColumn<CPColor>("color");
        QTest::addColumn<quint32>("hash");
        QTest::newRow("red only") << CPColor(1, 0, 0, 0) << 256u;
        QTest::newRow("blue only") << CPColor(0, 0, 1, 0) << 16777216u;
        QTest::newRow("opaque black saturates") << CPColor::blackColor() << 4294967295u;
        QTest::newRow("no components") << CPColor(QColor()) << 0u;
    }

    void hashWeighsComponentsInTheirOrder()
    {
        QFETCH(CPColor, color);
        QFETCH(quint32, hash);
        QCOMPARE(color.hash(), hash);
    }

    void equalColoursAreEqualAndHashEqually()
    {
        const CPColor made(1.0f, 0.5f, 0.0f, 1.0f);
        QVERIFY(made == CPColor::orangeColor());
        QCOMPARE(made.hash(), CPColor::orangeColor().hash());
        QVERIFY(!(CPColor::orangeColor() == CPColor::redColor()));

        const CPColor faded = CPColor::redColor().colorWithAlphaComponent(0.25f);
        QVERIFY(!(faded == CPColor::redColor()));
        QVERIFY(faded == CPColor(1.0f, 0.0f, 0.0f, 0.25f));

        // The same colour made in another space is another colour.
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

    void textHangsBelowItsPointInItsColour()
    {
        QImage image = whiteImage(200, 100);
        QPainter painter(&image);
        painter.setPen(Qt::blue);
        CTextStyleExtensions::drawAtPoint(QStringLiteral("Wg"), QPointF(50, 40), redStyle(), painter);
        QCOMPARE(painter.pen().color(), QColor(Qt::blue));
        painter.end();

        const QRect ink = inkBounds(image);
        const QSizeF size = CTextStyleExtensions::sizeWithTextStyle(QStringLiteral("Wg"), redStyle());
        QVERIFY(QRectF(49, 39, size.width() + 2, size.height() + 2).contains(QRectF(ink)));
        QVERIFY(ink.height() > 8);
        bool foundRed = false;
        for (int y = ink.top(); y <= ink.bottom(); ++y)
            for (int x = ink.left(); x <= ink.right(); ++x)
                foundRed = foundRed || image.pixel(x, y) == qRgb(255, 0, 0);
        QVERIFY(foundRed);
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
            CTextStyleExtensions::drawAtPoint(QStringLiteral("HHH"), QPointF(10, 10), redStyle(20), painter);
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
};

QTEST_MAIN(TestDrawingPrimitives)
#include "tst_drawingprimitives.moc"
