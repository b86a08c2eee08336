#include "widgets/TabBar.h"

#include "widgets/AccessibleControl.h"
#include "widgets/Palette.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPainter>

namespace {

const int kIconSize = 26;

// The icon in the tab's colour: its shape (alpha) filled with one colour.
QImage tinted(const QImage& icon, const QColor& colour)
{
    QImage result = icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(result.rect(), colour);
    return result;
}

class TabButton : public QAbstractButton, public AccessibleControl
{
public:
    TabButton(const QString& caption, const QImage& icon, QWidget* parent)
        : QAbstractButton(parent)
        , m_icon(icon)
    {
        setText(caption);
        setCheckable(true);
        setFocusPolicy(Qt::NoFocus);
        setCursor(Qt::PointingHandCursor);
        setFont(Palette::font(Palette::Font::TabCaption));
    }

    QSize sizeHint() const override { return QSize(64, TabBar::kHeight); }

    Description accessibleDescription() const override
    {
        Description tab;
        tab.role = QAccessible::PageTab;
        tab.name = text();
        tab.checkable = true;
        tab.checked = isChecked();
        if (isEnabled())
            tab.actions
                = { QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction() };
        return tab;
    }

    // A screen reader toggles a tab; either action chooses it, as a click does. (Toggling the
    // button itself would only check it, and the tab bar would not hear of it.)
    void accessibleAction(const QString&) override { click(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QColor colour
            = Palette::colour(isChecked() ? Palette::Colour::Accent : Palette::Colour::BarSecondaryText);
        if (isChecked())
            painter.fillRect(rect().adjusted(2, 2, -2, -2), Palette::colour(Palette::Colour::BarHighlight));
        if (!m_icon.isNull()) {
            const QRect iconRect((width() - kIconSize) / 2, 3, kIconSize, kIconSize);
            painter.drawImage(iconRect, tinted(m_icon, colour));
        }
        painter.setPen(colour);
        painter.drawText(QRect(0, height() - 19, width(), 15), Qt::AlignHCenter | Qt::AlignBottom,
            fontMetrics().elidedText(text(), Qt::ElideRight, width() - 4));
    }

private:
    QImage m_icon;
};

} // namespace

TabBar::TabBar(QWidget* parent)
    : QWidget(parent)
    , m_buttons(new QButtonGroup(this))
{
    setFixedHeight(kHeight);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_buttons->setExclusive(true);
    connect(m_buttons, &QButtonGroup::idClicked, this, &TabBar::tabSelected);
}

void TabBar::setBackgroundImage(const QImage& image)
{
    m_background = image;
    update();
}

void TabBar::setItems(const QList<QPair<QString, QImage>>& items)
{
    const QList<QAbstractButton*> old = m_buttons->buttons();
    for (QAbstractButton* button : old) {
        m_buttons->removeButton(button);
        delete button;
    }
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new TabButton(items.at(i).first, items.at(i).second, this);
        m_buttons->addButton(button, i);
        layout()->addWidget(button);
    }
}

int TabBar::count() const
{
    return m_buttons->buttons().size();
}

QAbstractButton* TabBar::button(int index) const
{
    return m_buttons->button(index);
}

void TabBar::setSelectedIndex(int index)
{
    if (QAbstractButton* selected = m_buttons->button(index))
        selected->setChecked(true);
}

AccessibleControl::Description TabBar::accessibleDescription() const
{
    Description tabs;
    tabs.role = QAccessible::PageTabList;
    return tabs;
}

void TabBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_background.isNull())
        painter.fillRect(rect(), Palette::colour(Palette::Colour::BarBottom));
    else
        painter.drawImage(rect(), m_background);
}
