#include "widgets/ActivityIndicatorView.h"

#include "widgets/Palette.h"

#include <QEvent>
#include <QPainter>

namespace {

const int kSpokes = 12;

} // namespace

ActivityIndicatorView::ActivityIndicatorView(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(kSize, kSize);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_timer.setInterval(80);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_step = (m_step + 1) % kSpokes;
        update();
    });
    parent->installEventFilter(this);
    centre();
}

void ActivityIndicatorView::startAnimating()
{
    m_timer.start();
    show();
    raise();
}

void ActivityIndicatorView::stopAnimating()
{
    m_timer.stop();
    hide();
}

void ActivityIndicatorView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2.0, height() / 2.0);
    QPen pen(Palette::colour(Palette::Colour::SecondaryText), 3, Qt::SolidLine, Qt::RoundCap);
    for (int i = 0; i < kSpokes; ++i) {
        const int age = (m_step - i + kSpokes) % kSpokes;
        QColor colour = Palette::colour(Palette::Colour::SecondaryText);
        colour.setAlphaF(1.0 - age / double(kSpokes));
        pen.setColor(colour);
        painter.setPen(pen);
        painter.drawLine(QPointF(0, -7), QPointF(0, -13));
        painter.rotate(360.0 / kSpokes);
    }
}

bool ActivityIndicatorView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        centre();
    return QWidget::eventFilter(watched, event);
}

void ActivityIndicatorView::centre()
{
    const QWidget* area = parentWidget();
    move((area->width() - width()) / 2, (area->height() - height()) / 2);
}
