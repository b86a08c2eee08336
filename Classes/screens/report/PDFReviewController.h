#pragma once

#include "screens/base/BaseModalViewController.h"

class NavigationBar;
class NavigationItem;
class PDFDocumentView;
class QAction;
class QPdfDocument;

// The written PDF report, full window, over the screen that presented it: every page,
// scrolling and zooming (PDFDocumentView, with zoom keys below it), under a title bar whose
// "返回" button, or Escape, asks the presenting screen to close it.
class PDFReviewController : public BaseModalViewController
{
    Q_OBJECT

public:
    explicit PDFReviewController(QWidget* parent = nullptr);

    // The file shown; without one, gas_report.pdf in the documents directory. Set it before the
    // screen is presented.
    QString pdfPath() const { return m_pdfPath; }
    void setPdfPath(const QString& path) { m_pdfPath = path; }

    PDFDocumentView* mWebView() const { return m_mWebView; }

    // Asks the dismissal delegate to close the preview.
    void cancel();

protected:
    void viewDidLoad() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setUITitle();
    void loadPDF();
    QWidget* makeZoomKeys();

    QString m_pdfPath;
    QPdfDocument* m_document = nullptr;
    PDFDocumentView* m_mWebView = nullptr;
    NavigationBar* m_mNavBarItem = nullptr;
    NavigationItem* m_barItem = nullptr;
    QAction* m_mBarBtn = nullptr;
};
