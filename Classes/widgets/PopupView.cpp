#include "widgets/PopupView.h"

#include "widgets/AppWindow.h"
#include "widgets/Palette.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

PopupView::PopupView(const QString& title)
    : m_title(title)
    , m_card(new QFrame(this))
{
    m_card->setObjectName(QStringLiteral("card"));
    setFocusPolicy(Qt::StrongFocus);
}

QStringList PopupView::buttonTitles() const
{
    QStringList titles;
    for (const QPushButton* button : m_buttons)
        titles << button->text();
    return titles;
}

QPushButton* PopupView::buttonAtIndex(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons.at(index) : nullptr;
}

QPushButton* PopupView::makeButton(const QString& title, ButtonRole role)
{
    auto* button = new QPushButton(title, m_card);
    const int index = int(m_buttons.size());
    m_buttons.append(button);
    button->setCursor(Qt::PointingHandCursor);
    // Enter presses the button that has the focus.
    button->setAutoDefault(true);
    switch (role) {
    case ButtonRole::Cancel:
        m_cancelIndex = index;
        button->setObjectName(QStringLiteral("cancel"));
        break;
    case ButtonRole::Destructive:
        button->setObjectName(QStringLiteral("destructive"));
        break;
    case ButtonRole::Default:
        break;
    }
    connect(button, &QPushButton::clicked, this, [this, index] { dismissWithClickedButtonIndex(index); });
    return button;
}

int PopupView::cardHeightForWidth(int width) const
{
    const int height = m_card->heightForWidth(width);
    return height > 0 ? height : m_card->sizeHint().height();
}

void PopupView::present()
{
    m_previousFocus = QApplication::focusWidget();
    if (AppWindow* window = AppWindow::mainWindow()) {
        m_inWindow = true;
        window->addOverlay(this);
    } else {
        setWindowFlag(Qt::Dialog);
        setWindowTitle(m_title);
        const QRect card = cardRect(QSize(320, 600));
        resize(card.width() + 20, card.height() + 20);
        show();
    }
    QPushButton* first = buttonAtIndex(m_cancelIndex >= 0 ? m_cancelIndex : 0);
    if (first)
        first->setFocus();
    else
        setFocus();
}

void PopupView::dismissWithClickedButtonIndex(int index)
{
    if (isHidden())
        return;
    hide();
    if (m_previousFocus)
        m_previousFocus->setFocus();
    Q_EMIT clickedButtonAtIndex(index);
    deleteLater();
}

QList<PopupView*> PopupView::shownPopups()
{
    QList<PopupView*> shown;
    const QList<QWidget*> widgets = QApplication::allWidgets();
    for (QWidget* widget : widgets) {
        auto* popup = qobject_cast<PopupView*>(widget);
        if (popup && popup->isVisible())
            shown.append(popup);
    }
    // Newest last: among the overlays of one window, the one drawn on top.
    std::stable_sort(shown.begin(), shown.end(), [](PopupView* a, PopupView* b) {
        const QWidget* parent = a->parentWidget();
        if (!parent || parent != b->parentWidget())
            return false;
        return parent->children().indexOf(a) < parent->children().indexOf(b);
    });
    return shown;
}

AccessibleControl::Description PopupView::accessibleDescription() const
{
    Description dialog;
    dialog.role = QAccessible::Dialog;
    dialog.name = m_title;
    return dialog;
}

void PopupView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(
        rect(), m_inWindow ? Palette::colour(Palette::Colour::Dim) : palette().color(QPalette::Window));
}

void PopupView::resizeEvent(QResizeEvent*)
{
    m_card->setGeometry(m_inWindow ? cardRect(size()) : rect().adjusted(10, 10, -10, -10));
}

void PopupView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && m_cancelIndex >= 0) {
        dismissWithClickedButtonIndex(m_cancelIndex);
        return;
    }
    // Everything else stays here: the screen below must not take keys while the popup shows.
    event->accept();
}
