#include "screens/base/PropertyView.h"

#include "platform/FontCatalog.h"
#include "screens/base/PropertyViewDelegate.h"
#include "widgets/Palette.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

const qreal kDefaultPointSize = 25;
const qreal kSmallestPointSize = 14;
const QColor kBlinkColour = QColor::fromRgbF(0.1f, 0.1f, 0.1f, 0.2f);

} // namespace

PropertyView::PropertyView(QWidget* parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
    , m_font(FontCatalog::boldSystemFontOfSize(kDefaultPointSize))
{
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setFont(m_font);
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_blinkTimer.setInterval(kBlinkIntervalMs);
    connect(&m_blinkTimer, &QTimer::timeout, this, &PropertyView::blink);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void PropertyView::setText(const QString& text)
{
    m_label->setText(text);
    layoutLabel();
    QAccessibleValueChangeEvent changed(this, text);
    QAccessible::updateAccessibility(&changed);
}

QString PropertyView::getText() const
{
    return m_label->text();
}

void PropertyView::setTextAlight(Qt::Alignment alignment)
{
    m_label->setAlignment((alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
}

void PropertyView::setTextColor(const QColor& colour)
{
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::WindowText, colour);
    m_label->setPalette(palette);
}

void PropertyView::setTextFont(const QFont& font)
{
    m_font = font;
    layoutLabel();
}

void PropertyView::setTextLine(int lines)
{
    m_lines = lines;
    m_label->setWordWrap(lines != 1);
    layoutLabel();
}

void PropertyView::setTextOffset(int x, int y)
{
    m_offset = QPoint(x, y);
    layoutLabel();
}

void PropertyView::setEnable(bool enabled)
{
    m_enabled = enabled;
    setCursor(enabled ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (!enabled && m_background == Palette::colour(Palette::Colour::Pressed)) {
        m_background = Qt::transparent;
        update();
    }
}

void PropertyView::setActive(bool active)
{
    if (m_active && m_blinkTimer.isActive()) {
        // Already blinking: asking again keeps it so; only making it inactive stops the blink.
        if (active)
            return;
        m_blinkTimer.stop();
        m_background = Qt::transparent;
        update();
        m_active = false;
        return;
    }
    if (active) {
        m_blinkPhase = true;
        m_blinkTimer.start();
    }
    m_active = active;
}

void PropertyView::blink()
{
    m_background = m_blinkPhase ? kBlinkColour : QColor(Qt::transparent);
    m_blinkPhase = !m_blinkPhase;
    update();
}

QSize PropertyView::sizeHint() const
{
    return QSize(200, 54);
}

void PropertyView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF field = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(Palette::colour(Palette::Colour::Separator));
    painter.setBrush(Palette::colour(m_enabled ? Palette::Colour::Surface : Palette::Colour::SurfaceMuted));
    painter.drawRoundedRect(field, 8, 8);
    if (m_background.alpha() > 0) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_background);
        painter.drawRoundedRect(field, 8, 8);
    }
}

void PropertyView::resizeEvent(QResizeEvent*)
{
    layoutLabel();
}

void PropertyView::mousePressEvent(QMouseEvent* event)
{
    if (!m_enabled || event->button() != Qt::LeftButton)
        return;
    if (!isActive()) {
        m_background = Palette::colour(Palette::Colour::Pressed);
        update();
    }
}

void PropertyView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_enabled || event->button() != Qt::LeftButton)
        return;
    if (m_background == Palette::colour(Palette::Colour::Pressed)) {
        m_background = Qt::transparent;
        update();
    }
    if (rect().contains(event->position().toPoint()))
        tap();
}

void PropertyView::tap()
{
    if (m_enabled && m_delegate)
        m_delegate->onPropertyViewTap(this);
}

AccessibleControl::Description PropertyView::accessibleDescription() const
{
    Description field;
    field.role = QAccessible::EditableText;
    field.value = getText();
    field.enabled = m_enabled;
    if (m_enabled)
        field.actions = { QAccessibleActionInterface::pressAction() };
    return field;
}

void PropertyView::accessibleAction(const QString&)
{
    tap();
}

void PropertyView::layoutLabel()
{
    const QRect area(
        m_offset.x(), m_offset.y(), qMax(0, width() - m_offset.x()), qMax(0, height() - m_offset.y()));
    m_label->setGeometry(area);
    // One line shrinks the font until the text fits, down to 14 points; wrapped text keeps its size.
    QFont font = m_font;
    if (m_lines == 1) {
        const qreal smallest = qMin(kSmallestPointSize, m_font.pointSizeF());
        while (font.pointSizeF() > smallest
            && QFontMetrics(font).horizontalAdvance(m_label->text()) > area.width() - 4) {
            font.setPointSizeF(qMax(smallest, font.pointSizeF() - 1));
        }
    }
    m_label->setFont(font);
}
