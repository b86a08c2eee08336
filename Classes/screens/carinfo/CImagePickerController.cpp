#include "screens/carinfo/CImagePickerController.h"

#include "platform/MainBundle.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>

namespace {

// The pictures folder, or the home folder where there is none: a folder that does not exist
// would show up as a file name to choose.
QString startFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

} // namespace

CImagePickerController::CImagePickerController(QWidget* parent)
    : QFileDialog(parent, MainBundle::localizedString("Choose Existing Photo"), startFolder())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString suffix = QString::fromLatin1(format);
        patterns << QStringLiteral("*.") + suffix << QStringLiteral("*.") + suffix.toUpper();
    }
    setNameFilter(MainBundle::localizedString("图片 (%1)").arg(patterns.join(QLatin1Char(' '))));
}
