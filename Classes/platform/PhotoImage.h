#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// A photo as a camera stores it: the bitmap as recorded and the orientation it is meant to be
// seen in (the EXIF orientation tag). The two stay apart until the photo is scaled, which turns
// it upright, so the orientation is applied exactly once.
class PhotoImage
{
public:
    // The phone's names for the eight orientations, with the EXIF value of each. Right is a
    // picture taken in portrait: its bitmap lies on its side and is turned a quarter clockwise.
    enum class Orientation
    {
        Up, // 1
        Down, // 3
        Left, // 8
        Right, // 6
        UpMirrored, // 2
        DownMirrored, // 4
        LeftMirrored, // 5
        RightMirrored, // 7
    };

    PhotoImage() = default;
    PhotoImage(QImage bitmap, Orientation orientation);

    // The picture in the file, not turned, with the orientation its EXIF data records (Up
    // without). Nothing, with the reason in *error, when the file cannot be read as a picture.
    static std::optional<PhotoImage> imageWithContentsOfFile(const QString& path, QString* error = nullptr);

    const QImage& bitmap() const { return m_bitmap; }
    Orientation imageOrientation() const { return m_orientation; }

    // An upright copy that fits the maximum. The size is worked out on the bitmap as stored:
    // one larger than the maximum in either direction is scaled so that its longer side takes
    // the maximum width (a wide one) or height (a tall one), keeping its proportions; only that
    // side is bounded. The copy is then turned upright, which swaps width and height for the
    // four orientations a quarter turn away.
    QImage scaledCopyOfSize(QSize maximum) const;

private:
    QImage m_bitmap;
    Orientation m_orientation = Orientation::Up;
};
