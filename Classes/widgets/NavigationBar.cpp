#include "widgets/NavigationBar.h"

#include "platform/MainBundle.h"
#include "widgets/NavigationItem.h"
#include "widgets/Palette.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QToolButton>

namespace {

const int kMargin = 6;
const QSize kBackButtonSize(50, 30);
const QSize kIconSize(32, 32);

QToolButton* makeButton(QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->hide();
    return button;
}

// A text button, or a bare icon when the action has an icon and no text.
void showAction(QToolButton* button, QAction* action)
{
    const QList<QAction*> old = button->actions();
    for (QAction* previous : old)
        button->removeAction(previous);
    if (!action) {
        button->hide();
        return;
    }
    button->setDefaultAction(action);
    const bool iconOnly = action->text().isEmpty() && !action->icon().isNull();
    button->setObjectName(iconOnly ? QStringLiteral("icon") : QString());
    button->setToolButtonStyle(iconOnly ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
    button->setIconSize(kIconSize);
    // The object name selects the style sheet rule; re-polish to apply it.
    button->style()->unpolish(button);
    button->style()->polish(button);
    button->adjustSize();
    button->setVisible(action->isVisible());
}

} // namespace

NavigationBar::NavigationBar(QWidget* parent)
    : QWidget(parent)
    , m_back(makeButton(this))
    , m_left(makeButton(this))
    , m_right(makeButton(this))
    , m_title(new QLabel(this))
{
    setFixedHeight(kHeight);
    const QFont buttonFont = Palette::font(Palette::Font::BarButton);
    m_left->setFont(buttonFont);
    m_right->setFont(buttonFont);

    m_back->setObjectName(QStringLiteral("back"));
    // The image shows an arrow only; a screen reader says what it does.
    m_back->setAccessibleName(MainBundle::localizedString("返回"));
    m_back->setIcon(QPixmap::fromImage(MainBundle::imageNamed(QStringLiteral("back.png"))));
    m_back->setIconSize(kBackButtonSize);
    m_back->setFixedSize(kBackButtonSize);
    connect(m_back, &QToolButton::clicked, this, &NavigationBar::backRequested);

    m_title->setAlignment(Qt::AlignCenter);
    m_title->setFont(Palette::font(Palette::Font::BarTitle));
}

void NavigationBar::setItem(NavigationItem* item, bool showsBackButton)
{
    if (m_item)
        disconnect(m_item, nullptr, this, nullptr);
    m_item = item;
    m_showsBackButton = showsBackButton;
    if (m_item)
        connect(m_item, &NavigationItem::changed, this, &NavigationBar::refresh);
    refresh();
}

QString NavigationBar::title() const
{
    return m_item ? m_item->title() : QString();
}

QToolButton* NavigationBar::backButton() const
{
    return m_back->isHidden() ? nullptr : m_back;
}

QToolButton* NavigationBar::leftButton() const
{
    return m_left->isHidden() ? nullptr : m_left;
}

QToolButton* NavigationBar::rightButton() const
{
    return m_right->isHidden() ? nullptr : m_right;
}

void NavigationBar::setTintColor(const QColor& colour)
{
    m_tint = colour;
    update();
}

void NavigationBar::refresh()
{
    QAction* left = m_item ? m_item->leftBarButtonItem() : nullptr;
    showAction(m_left, left);
    showAction(m_right, m_item ? m_item->rightBarButtonItem() : nullptr);
    m_back->setVisible(m_showsBackButton && !left);
    placeChildren();
}

void NavigationBar::placeChildren()
{
    const int centreY = height() / 2;
    int leftEdge = kMargin;
    for (QToolButton* button : { m_back, m_left }) {
        if (button->isVisibleTo(this)) {
            button->move(kMargin, centreY - button->height() / 2);
            leftEdge = kMargin + button->width();
        }
    }
    int rightEdge = width() - kMargin;
    if (m_right->isVisibleTo(this)) {
        m_right->move(width() - kMargin - m_right->width(), centreY - m_right->height() / 2);
        rightEdge = m_right->x();
    }
    // The title stays centred on the bar, as wide as the wider button side allows.
    const int side = qMax(leftEdge, width() - rightEdge) + kMargin;
    const QRect titleRect(side, 0, qMax(0, width() - 2 * side), height());
    m_title->setGeometry(titleRect);
    m_title->setText(m_title->fontMetrics().elidedText(title(), Qt::ElideRight, titleRect.width()));
}

void NavigationBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, m_tint.isValid() ? m_tint.lighter(140) : Palette::colour(Palette::Colour::BarTop));
    gradient.setColorAt(1, m_tint.isValid() ? m_tint : Palette::colour(Palette::Colour::BarBottom));
    painter.fillRect(rect(), gradient);
    painter.fillRect(QRect(0, height() - 1, width(), 1), Palette::colour(Palette::Colour::BarEdge));
}

void NavigationBar::resizeEvent(QResizeEvent*)
{
    placeChildren();
}
