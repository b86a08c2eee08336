#pragma once

#include <QFileDialog>

// Chooses an existing picture for a car. A desktop has neither camera nor photo library, so the
// phone's image picker becomes a file dialog for the picture files this program can read,
// opening in the user's pictures folder, over the screen that asked. It goes once closed.
class CImagePickerController : public QFileDialog
{
    Q_OBJECT

public:
    explicit CImagePickerController(QWidget* parent);

    static bool isCameraAvailable() { return false; }
};
