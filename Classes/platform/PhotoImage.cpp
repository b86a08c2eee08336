#include "platform/PhotoImage.h"

#include <QImageIOHandler>
#include <QImageReader>
#include <QTransform>

namespace {

PhotoImage::Orientation orientationOf(QImageIOHandler::Transformations transformation)
{
    using O = PhotoImage::Orientation;
    switch (int(transformation)) {
    case QImageIOHandler::TransformationMirror:
        return O::UpMirrored;
    case QImageIOHandler::TransformationFlip:
        return O::DownMirrored;
    case QImageIOHandler::TransformationRotate180:
        return O::Down;
    case QImageIOHandler::TransformationRotate90:
        return O::Right;
    case QImageIOHandler::TransformationMirrorAndRotate90:
        return O::RightMirrored;
    case QImageIOHandler::TransformationFlipAndRotate90:
        return O::LeftMirrored;
    case QImageIOHandler::TransformationRotate270:
        return O::Left;
    default:
        return O::Up;
    }
}

// What turns the bitmap upright, in the image's own coordinates (y down). QImage::transformed
// moves the result back into view, so no translation is needed.
QTransform uprightTransform(PhotoImage::Orientation orientation)
{
    using O = PhotoImage::Orientation;
    switch (orientation) {
    case O::Up:
        return {};
    case O::Down:
        return QTransform().rotate(180);
    case O::Left:
        return QTransform().rotate(270);
    case O::Right:
        return QTransform().rotate(90);
    case O::UpMirrored:
        return QTransform::fromScale(-1, 1);
    case O::DownMirrored:
        return QTransform::fromScale(1, -1);
    case O::LeftMirrored: // mirrored, then a quarter anticlockwise: x and y change places
        return QTransform(0, 1, 1, 0, 0, 0);
    case O::RightMirrored: // mirrored, then a quarter clockwise
        return QTransform(0, -1, -1, 0, 0, 0);
    }
    // An orientation outside the eight is a broken promise inside this program, not bad input.
    qFatal("Invalid image orientation");
}

} // namespace

PhotoImage::PhotoImage(QImage bitmap, Orientation orientation)
    : m_bitmap(std::move(bitmap))
    , m_orientation(orientation)
{ }

std::optional<PhotoImage> PhotoImage::imageWithContentsOfFile(const QString& path, QString* error)
{
    QImageReader reader(path);
    // The reader would turn the picture by its EXIF data; scaling turns it, so it must not.
    reader.setAutoTransform(false);
    QImage bitmap = reader.read();
    if (bitmap.isNull()) {
        if (error)
            *error = reader.errorString();
        return std::nullopt;
    }
    return PhotoImage(std::move(bitmap), orientationOf(reader.transformation()));
}

QImage PhotoImage::scaledCopyOfSize(QSize maximum) const
{
    const int width = m_bitmap.width();
    const int height = m_bitmap.height();
    if (width <= 0 || height <= 0)
        return {};
    QSizeF target(width, height);
    if (width > maximum.width() || height > maximum.height()) {
        const qreal ratio = qreal(width) / height;
        target = ratio > 1 ? QSizeF(maximum.width(), maximum.width() / ratio)
                           : QSizeF(maximum.height() * ratio, maximum.height());
    }
    const QSize pixels(qMax(1, qRound(target.width())), qMax(1, qRound(target.height())));
    const QImage scaled = pixels == m_bitmap.size()
        ? m_bitmap
        : m_bitmap.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return scaled.transformed(uprightTransform(m_orientation));
}
