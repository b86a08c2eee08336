#include "platform/PhotoImage.h"

#include <QPainter>
#include <QtTest>

namespace {

// A JPEG whose top half is red and bottom half blue, as the camera stored it; with an EXIF
// orientation tag when one is given (an APP1 segment right after the start marker).
QByteArray cameraJpeg(QSize stored, int exifOrientation)
{
    QImage bitmap(stored, QImage::Format_RGB32);
    bitmap.fill(Qt::blue);
    QPainter(&bitmap).fillRect(QRect(0, 0, stored.width(), stored.height() / 2), Qt::red);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    bitmap.save(&buffer, "JPEG", 95);
    if (exifOrientation == 0)
        return jpeg;
    // "Exif", a big-endian TIFF header, one IFD entry: Orientation (0x0112), SHORT, 1 value.
    QByteArray exif = QByteArray::fromHex("FFE10022"
                                          "457869660000"
                                          "4D4D002A00000008"
                                          "0001"
                                          "011200030000000100000000"
                                          "00000000");
    // The value's low byte: after the marker and length (4), "Exif" (6), the TIFF header (8), the
    // entry count (2), and the entry's tag, type and count (8).
    exif[4 + 6 + 8 + 2 + 8 + 1] = char(exifOrientation);
    return jpeg.left(2) + exif + jpeg.mid(2);
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qBlue(pixel) < 60;
}

} // namespace

// Photos are stored small and upright: the size is worked out on the bitmap as the camera stored
// it, and its EXIF orientation is applied once, by the scaling.
class TestPhotoImage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aPhotoIsScaledAndTurnedUprightOnce_data()
    {
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<int>("exifOrientation"); // 0: no EXIF data
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<QPoint>("red"); // a pixel near the red side's edge; its mirror is blue
        QTest::newRow("1200x1600 tall, red on top")
            << QSize(1200, 1600) << 0 << QSize(240, 320) << QPoint(120, 5);
        QTest::newRow("800x700, only the longer side bounded")
            << QSize(800, 700) << 0 << QSize(480, 420) << QPoint(240, 5);
        QTest::newRow("portrait, EXIF orientation 6, red on the right")
            << QSize(1600, 1200) << 6 << QSize(360, 480) << QPoint(355, 240);
        QTest::newRow("upside down, EXIF orientation 3, small enough as it is")
            << QSize(400, 300) << 3 << QSize(400, 300) << QPoint(200, 295);
    }

    void aPhotoIsScaledAndTurnedUprightOnce()
    {
        QFETCH(QSize, stored);
        QFETCH(int, exifOrientation);
        QFETCH(QSize, shown);
        QFETCH(QPoint, red);
        QTemporaryFile file(QDir::tempPath() + QStringLiteral("/XXXXXX.jpg"));
        QVERIFY(file.open() && file.write(cameraJpeg(stored, exifOrientation)) > 0 && file.flush());

        const std::optional<PhotoImage> photo = PhotoImage::imageWithContentsOfFile(file.fileName());
        QVERIFY(photo);
        QCOMPARE(photo->bitmap().size(), stored);
        const QImage upright = photo->scaledCopyOfSize(QSize(480, 320));
        QCOMPARE(upright.size(), shown);
        QVERIFY(isRed(upright.pixel(red)));
        QVERIFY(!isRed(upright.pixel(QPoint(shown.width(), shown.height()) - red)));
    }

    void aFileThatIsNoPictureSaysWhy()
    {
        QTemporaryFile file(QDir::tempPath() + QStringLiteral("/XXXXXX.jpg"));
        QVERIFY(file.open() && file.write("not a picture") > 0 && file.flush());
        QString error;
        QVERIFY(!PhotoImage::imageWithContentsOfFile(file.fileName(), &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPhotoImage)
#include "tst_photoimage.moc"
