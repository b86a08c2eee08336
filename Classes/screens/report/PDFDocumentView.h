#pragma once

#include "widgets/AccessibleControl.h"

#include <QPdfView>

// A PDF document, every page one below the other, scrolled with the scroll bar, the wheel and
// the arrow and page keys. It opens as wide as the view, but in a wide window no larger than
// half again its printed size, so that a page still reads as a page; it zooms from a quarter to
// four times its page size: Ctrl with the wheel, Ctrl+plus, Ctrl+minus, Ctrl+0 for the width. A
// screen reader finds it as a document of that many pages that it can zoom.
class PDFDocumentView : public QPdfView, public AccessibleControl
{
    Q_OBJECT

public:
    explicit PDFDocumentView(QWidget* parent = nullptr);

    void zoomIn();
    void zoomOut();
    void fitToWidth();
    // The size of a page against its size in print (1 = as printed), also while it fits the width.
    qreal shownZoomFactor() const;

    Description accessibleDescription() const override;
    void accessibleAction(const QString& action) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void zoomTo(qreal factor);
    qreal widthFittingZoomFactor() const;

    // Until the user zooms, the opening size follows the window.
    bool m_opening = true;
};
