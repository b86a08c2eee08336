#include "screens/report/PDFDocumentView.h"

#include "platform/MainBundle.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPdfDocument>
#include <QResizeEvent>
#include <QScreen>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr qreal kSmallest = 0.25;
constexpr qreal kLargest = 4.0;
constexpr qreal kStep = 1.25;
constexpr qreal kLargestOpening = 1.5;

} // namespace

PDFDocumentView::PDFDocumentView(QWidget* parent)
    : QPdfView(parent)
{
    setPageMode(PageMode::MultiPage);
    setZoomMode(ZoomMode::FitToWidth);
    setPageSpacing(8);
    setDocumentMargins(QMargins(8, 8, 8, 8));
    setFocusPolicy(Qt::StrongFocus);
}

// The view lays pages out at the screen's logical resolution; fitting the width scales the
// widest page to the viewport less the margins.
qreal PDFDocumentView::widthFittingZoomFactor() const
{
    if (!document() || document()->pageCount() == 0)
        return zoomFactor();
    const qreal pointsToPixels = QGuiApplication::primaryScreen()->logicalDotsPerInch() / 72.0;
    const qreal pageWidth = document()->pagePointSize(0).width() * pointsToPixels;
    const int available = viewport()->width() - documentMargins().left() - documentMargins().right();
    return pageWidth > 0 ? available / pageWidth : zoomFactor();
}

qreal PDFDocumentView::shownZoomFactor() const
{
    return zoomMode() == ZoomMode::Custom ? zoomFactor() : widthFittingZoomFactor();
}

void PDFDocumentView::resizeEvent(QResizeEvent* event)
{
    QPdfView::resizeEvent(event);
    if (!m_opening)
        return;
    if (widthFittingZoomFactor() > kLargestOpening) {
        setZoomMode(ZoomMode::Custom);
        setZoomFactor(kLargestOpening);
    } else {
        setZoomMode(ZoomMode::FitToWidth);
    }
}

void PDFDocumentView::zoomTo(qreal factor)
{
    m_opening = false;
    setZoomMode(ZoomMode::Custom);
    setZoomFactor(std::clamp(factor, kSmallest, kLargest));
}

void PDFDocumentView::zoomIn()
{
    zoomTo(shownZoomFactor() * kStep);
}

void PDFDocumentView::zoomOut()
{
    zoomTo(shownZoomFactor() / kStep);
}

void PDFDocumentView::fitToWidth()
{
    m_opening = false;
    setZoomMode(ZoomMode::FitToWidth);
}

AccessibleControl::Description PDFDocumentView::accessibleDescription() const
{
    Description view;
    view.role = QAccessible::Document;
    view.name = MainBundle::localizedString("PDF报表");
    view.value = MainBundle::localizedString("共 %1 页").arg(document() ? document()->pageCount() : 0);
    view.actions
        = { QAccessibleActionInterface::increaseAction(), QAccessibleActionInterface::decreaseAction() };
    return view;
}

void PDFDocumentView::accessibleAction(const QString& action)
{
    if (action == QAccessibleActionInterface::increaseAction())
        zoomIn();
    else if (action == QAccessibleActionInterface::decreaseAction())
        zoomOut();
}

void PDFDocumentView::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoomIn();
            return;
        case Qt::Key_Minus:
            zoomOut();
            return;
        case Qt::Key_0:
            fitToWidth();
            return;
        default:
            break;
        }
    }
    QPdfView::keyPressEvent(event);
}

void PDFDocumentView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QPdfView::wheelEvent(event);
        return;
    }
    const int delta = event->angleDelta().y();
    if (delta > 0)
        zoomIn();
    else if (delta < 0)
        zoomOut();
    event->accept();
}
