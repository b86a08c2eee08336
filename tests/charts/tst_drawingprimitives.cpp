#include "charts/BackgroundButton.h"
#include "charts/BackgroundView.h"
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

    void namedColours_data()
    {
        QTest::addColumn<CPColor>("color");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("clear") << CPColor::clearColor() << QColor::fromRgbF(0, 0, 0, 0);
        QTest::newRow("white") << CPColor::whiteColor() << QColor::fromRgbF(1, 1, 1);
        QTest::newRow("light gray") << CPColor::lightGrayColor()
                                    << QColor::fromRgbF(2 / 3.f, 2 / 3.f, 2 / 3.f);
        QTest::newRow("gray") << CPColor::grayColor() << QColor::fromRgbF(0.5, 0.5, 0.5);
        QTest::newRow("dark gray") << CPColor::darkGrayColor() << QColor::fromRgbF(1 / 3.f, 1 / 3.f, 1 / 3.f);
        QTest::newRow("black") << CPColor::blackColor() << QColor::fromRgbF(0, 0, 0);
        QTest::newRow("red") << CPColor::redColor() << QColor::fromRgbF(1, 0, 0);
        QTest::newRow("green") << CPColor::greenColor() << QColor::fromRgbF(0, 1, 0);
        QTest::newRow("blue") << CPColor::blueColor() << QColor::fromRgbF(0, 0, 1);
        QTest::newRow("cyan") << CPColor::cyanColor() << QColor::fromRgbF(0, 1, 1);
        QTest::newRow("yellow") << CPColor::yellowColor() << QColor::fromRgbF(1, 1, 0);
        QTest::newRow("magenta") << CPColor::magentaColor() << QColor::fromRgbF(1, 0, 1);
        QTest::newRow("orange") << CPColor::orangeColor() << QColor::fromRgbF(1, 0.5, 0);
        QTest::newRow("purple") << CPColor::purpleColor() << QColor::fromRgbF(0.5, 0, 0.5);
        QTest::newRow("brown") << CPColor::brownColor() << QColor::fromRgbF(0.6, 0.4, 0.2);
    }

    void namedColours()
    {
        QFETCH(CPColor, color);
        QFETCH(QColor, expected);
        QCOMPARE(color.cgColor(), expected);
        QCOMPARE(color.cgColor().spec(), CPColorSpace::genericRGBSpace().cgColorSpace());
    }

    void hashWeighsComponentsInTheirOrder_data()
    {
        QTest::addColumn<CPColor>("color");
        QTest::addColumn<quint32>("hash");
        QTest::newRow("clear") << CPColor::clearColor() << 0u;
        QTest::newRow("red only") << CPColor(1, 0, 0, 0) << 256u;
        QTest::newRow("green only") << CPColor(0, 1, 0, 0) << 65536u;
        QTest::newRow("blue only") << CPColor(0, 0, 1, 0) << 16777216u;
        QTest::newRow("white, transparent") << CPColor(1, 1, 1, 0) << 16843008u;
        QTest::newRow("opaque black saturates") << CPColor::blackColor() << 4294967295u;
        QTest::newRow("opaque orange saturates") << CPColor::orangeColor() << 4294967295u;
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
        QVERIFY(qAbs(faded.cgColor().alphaF() - 0.25f) < 1e-4f);
        QCOMPARE(faded.cgColor().redF(), 1.0f);
        QVERIFY(faded == CPColor(1.0f, 0.0f, 0.0f, 0.25f));
        QCOMPARE(faded.hash(), CPColor(1.0f, 0.0f, 0.0f, 0.25f).hash());

        // The same colour made in another space is another colour.
        QVERIFY(!(CPColor(QColor::fromHsvF(0.0f, 1.0f, 1.0f)) == CPColor::redColor()));
    }

    void textStyleDefaults()
    {
        const CTextStyle style = CTextStyle::textStyle();
        QCOMPARE(style.fontName, QStringLiteral("Helvetica"));
        QCOMPARE(style.fontSize, 12.0f);
        QVERIFY(style.color == CPColor::blackColor());
    }

    void styleWithoutColourDrawsNothing()
    {
        CTextStyle style = CTextStyle::textStyle();
        style.color.reset();
        QImage image = whiteImage(200, 100);
        QPainter painter(&image);
        CTextStyleExtensions::drawAtPoint(QStringLiteral("40.20"), QPointF(10, 10), style, painter);
        CTextStyleExtensions::drawAtPoint(
            QStringLiteral("40.20"), QPointF(100, 50), style, painter, M_PI / 4);
        CTextStyleExtensions::drawInRect(QStringLiteral("40.20"), QRectF(0, 0, 200, 100), style,
            LineBreakMode::WordWrap, Qt::AlignHCenter, painter);
        painter.end();
        QCOMPARE(inkBounds(image), QRect());
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
        QVERIFY2(QRectF(49, 39, size.width() + 2, size.height() + 2).contains(QRectF(ink)),
            qPrintable(QStringLiteral("ink %1,%2 %3x%4")
                           .arg(ink.x())
                           .arg(ink.y())
                           .arg(ink.width())
                           .arg(ink.height())));
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

    void measuredRectangleHoldsItsTextOnOneLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fontName");
        QTest::newRow("volume unit") << QStringLiteral("Litres") << QStringLiteral("ArialRoundedMTBold");
        QTest::newRow("amount") << QStringLiteral("1234.567") << QStringLiteral("Helvetica");
        QTest::newRow("Chinese") << QStringLiteral("百公里油耗") << QStringLiteral("Helvetica");
    }

    void measuredRectangleHoldsItsTextOnOneLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, fontName);
        CTextStyle style = redStyle();
        style.fontName = fontName;
        const QSizeF size = CTextStyleExtensions::sizeWithTextStyle(text, style);
        QCOMPARE(size.width(), std::ceil(size.width()));

        QImage wrapped = whiteImage(300, 100);
        QImage oneLine = whiteImage(300, 100);
        {
            QPainter painter(&wrapped);
            CTextStyleExtensions::drawInRect(text, QRectF(QPointF(10, 10), size), style,
                LineBreakMode::CharacterWrap, Qt::AlignLeft, painter);
        }
        {
            QPainter painter(&oneLine);
            CTextStyleExtensions::drawAtPoint(text, QPointF(10, 10), style, painter);
        }
        QCOMPARE(inkBounds(wrapped), inkBounds(oneLine));
    }

    void rectangleAlignsAndWraps()
    {
        const CTextStyle style = redStyle();
        const QString word = QStringLiteral("Fuel");
        const qreal width = CTextStyleExtensions::sizeWithTextStyle(word, style).width();

        QImage right = whiteImage(200, 100);
        QImage centred = whiteImage(200, 100);
        QImage wrapped = whiteImage(200, 100);
        {
            QPainter painter(&right);
            CTextStyleExtensions::drawInRect(
                word, QRectF(0, 0, 200, 100), style, LineBreakMode::WordWrap, Qt::AlignRight, painter);
        }
        {
            QPainter painter(&centred);
            CTextStyleExtensions::drawInRect(
                word, QRectF(0, 0, 200, 100), style, LineBreakMode::WordWrap, Qt::AlignHCenter, painter);
        }
        {
            QPainter painter(&wrapped);
            CTextStyleExtensions::drawInRect(QStringLiteral("Fuel Fuel Fuel"), QRectF(0, 0, width + 4, 100),
                style, LineBreakMode::WordWrap, Qt::AlignLeft, painter);
        }
        QVERIFY(inkBounds(right).left() >= 200 - width - 1);
        QVERIFY(qAbs(inkBounds(centred).center().x() - 100) <= 2);
        const qreal lineHeight = CTextStyleExtensions::sizeWithTextStyle(word, style).height();
        QVERIFY2(inkBounds(wrapped).height() > 2 * lineHeight, "three lines expected");
        QVERIFY(inkBounds(wrapped).right() <= width + 4);
    }

    void truncationKeepsOneLineInsideTheRectangle()
    {
        const CTextStyle style = redStyle();
        QImage image = whiteImage(300, 100);
        {
            QPainter painter(&image);
            CTextStyleExtensions::drawInRect(QStringLiteral("2011年12月 2011年12月 2011年12月"),
                QRectF(20, 20, 60, 12), style, LineBreakMode::TailTruncation, Qt::AlignRight, painter);
        }
        const QRect ink = inkBounds(image);
        QVERIFY(ink.left() >= 20 && ink.right() < 80);
        QVERIFY(ink.height() <= CTextStyleExtensions::sizeWithTextStyle(QStringLiteral("2"), style).height());
    }

    void rotatedTextTurnsAboutItsPoint()
    {
        const CTextStyle style = redStyle();
        const QString text = QStringLiteral("HHHHHH");
        const QSizeF size = CTextStyleExtensions::sizeWithTextStyle(text, style);
        QImage image = whiteImage(200, 200);
        {
            QPainter painter(&image);
            CTextStyleExtensions::drawAtPoint(text, QPointF(100, 100), style, painter, M_PI / 2);
        }
        // A quarter turn clockwise: the line runs down from the point, its glyphs to the left.
        const QRect ink = inkBounds(image);
        QVERIFY(ink.height() > ink.width());
        QVERIFY(ink.right() <= 101 && ink.left() >= 100 - size.height());
        QVERIFY(ink.top() >= 99 && ink.bottom() <= 100 + size.width());
    }

    void gradientViewShadesDownwardsBetweenHairlines()
    {
        GradientView view;
        view.resize(100, 44);
        const QImage image = view.grab().toImage();
        QVERIFY2(near(image.pixel(50, 0), QColor(218, 218, 218), 3), describe(image.pixel(50, 0)));
        QVERIFY2(near(image.pixel(50, 1), QColor(160, 160, 160)), describe(image.pixel(50, 1)));
        QVERIFY2(near(image.pixel(50, 22), QColor(203, 203, 203), 3), describe(image.pixel(50, 22)));
        QVERIFY2(near(image.pixel(50, 42), QColor(189, 189, 189), 3), describe(image.pixel(50, 42)));
        QVERIFY2(near(image.pixel(50, 43), QColor(85, 85, 85)), describe(image.pixel(50, 43)));
    }

    void backgroundButtonDarkensWhileHeldDown()
    {
        BackgroundButton button;
        button.resize(120, 40);
        QImage image = paintedAlone(button);
        QVERIFY2(near(image.pixel(60, 37), QColor(238, 241, 243), 3), describe(image.pixel(60, 37)));
        QVERIFY2(near(image.pixel(60, 2), QColor(215, 220, 224), 3), describe(image.pixel(60, 2)));
        // The corner outside the rounding is not painted.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);

        button.setDown(true);
        image = paintedAlone(button);
        QVERIFY2(near(image.pixel(60, 37), QColor(186, 192, 193), 3), describe(image.pixel(60, 37)));
        QVERIFY2(near(image.pixel(60, 2), QColor(220, 223, 224), 3), describe(image.pixel(60, 2)));
    }

    void backgroundViewIsLightGrey()
    {
        BackgroundView view;
        view.resize(50, 50);
        QCOMPARE(view.grab().toImage().pixel(25, 25), qRgb(237, 237, 237));
    }
};

QTEST_MAIN(TestDrawingPrimitives)
#include "tst_drawingprimitives.moc"
