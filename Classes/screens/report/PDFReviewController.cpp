#include "screens/report/PDFReviewController.h"

#include "platform/MainBundle.h"
#include "screens/report/ExportPDF.h"
#include "screens/report/PDFDocumentView.h"
#include "widgets/AlertView.h"
#include "widgets/NavigationBar.h"
#include "widgets/NavigationItem.h"
#include "widgets/Palette.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPdfDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The bar of zoom keys under the document, drawn like the key bar above a keyboard.
class ZoomKeyBar : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0, Palette::colour(Palette::Colour::KeyBarTop));
        gradient.setColorAt(1, Palette::colour(Palette::Colour::KeyBarBottom));
        painter.fillRect(rect(), gradient);
    }
};

} // namespace

PDFReviewController::PDFReviewController(QWidget* parent)
    : BaseModalViewController(parent)
{ }

void PDFReviewController::viewDidLoad()
{
    m_mNavBarItem = new NavigationBar(this);
    m_barItem = new NavigationItem(this);
    m_mBarBtn = new QAction(this);
    connect(m_mBarBtn, &QAction::triggered, this, &PDFReviewController::cancel);
    m_document = new QPdfDocument(this);
    m_mWebView = new PDFDocumentView(this);
    m_mWebView->setDocument(m_document);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_mNavBarItem);
    layout->addWidget(m_mWebView, 1);
    layout->addWidget(makeZoomKeys());

    setUITitle();
    loadPDF();
}

QWidget* PDFReviewController::makeZoomKeys()
{
    auto* bar = new ZoomKeyBar(this);
    bar->setFixedHeight(44);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(8, 6, 8, 6);
    const auto addKey
        = [bar, layout](const char* caption, void (PDFDocumentView::*zoom)(), PDFDocumentView* view) {
              auto* key = new QToolButton(bar);
              key->setObjectName(QStringLiteral("key"));
              key->setText(MainBundle::localizedString(caption));
              key->setFont(Palette::font(Palette::Font::BarButton));
              key->setCursor(Qt::PointingHandCursor);
              key->setFocusPolicy(Qt::TabFocus);
              QObject::connect(key, &QToolButton::clicked, view, zoom);
              layout->addWidget(key);
          };
    layout->addStretch(1);
    addKey("缩小", &PDFDocumentView::zoomOut, m_mWebView);
    addKey("适合宽度", &PDFDocumentView::fitToWidth, m_mWebView);
    addKey("放大", &PDFDocumentView::zoomIn, m_mWebView);
    layout->addStretch(1);
    return bar;
}

void PDFReviewController::setUITitle()
{
    m_mBarBtn->setText(MainBundle::localizedString("返回"));
    m_barItem->setTitle(MainBundle::localizedString("Preview"));
    m_barItem->setLeftBarButtonItem(m_mBarBtn);
    m_mNavBarItem->setItem(m_barItem, false);
}

// Opened as a local file. A report that cannot be opened is said so; the back button still works.
void PDFReviewController::loadPDF()
{
    const QString path = !m_pdfPath.isEmpty() ? m_pdfPath : ExportPDF::defaultPath();
    if (m_document->load(path) != QPdfDocument::Error::None)
        AlertView::showError(MainBundle::localizedString("报表 %1 无法打开").arg(path));
}

void PDFReviewController::cancel()
{
    requestDismissModalViewAnimated();
}

void PDFReviewController::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        cancel();
        return;
    }
    BaseModalViewController::keyPressEvent(event);
}
