#include "widgets/AlertView.h"

#include "platform/MainBundle.h"
#include "widgets/Palette.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

const int kCardWidth = 280;

QLabel* makeLabel(const QString& text, const QFont& font, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setVisible(!text.isEmpty());
    return label;
}

} // namespace

AlertView::AlertView(const QString& title, const QString& message, const QString& cancelButtonTitle,
    const QStringList& otherButtonTitles)
    : PopupView(title)
    , m_message(message)
{
    auto* layout = new QVBoxLayout(card());
    layout->setContentsMargins(0, 18, 0, 0);
    layout->setSpacing(0);
    auto* texts = new QVBoxLayout;
    texts->setContentsMargins(16, 0, 16, 16);
    texts->setSpacing(6);
    texts->addWidget(makeLabel(title, Palette::font(Palette::Font::PopupTitle), card()));
    texts->addWidget(makeLabel(message, Palette::font(Palette::Font::PopupMessage), card()));
    layout->addLayout(texts);

    const QFont buttonFont = Palette::font(Palette::Font::PopupButton);
    QList<QPushButton*> buttons;
    if (!cancelButtonTitle.isEmpty())
        buttons << makeButton(cancelButtonTitle, ButtonRole::Cancel);
    for (const QString& other : otherButtonTitles)
        buttons << makeButton(other, ButtonRole::Default);
    // Two buttons side by side, as a confirmation; otherwise one under another.
    QBoxLayout* row = buttons.size() == 2 ? static_cast<QBoxLayout*>(new QHBoxLayout)
                                          : static_cast<QBoxLayout*>(new QVBoxLayout);
    row->setSpacing(0);
    for (QPushButton* button : buttons) {
        button->setFont(buttonFont);
        row->addWidget(button);
    }
    layout->addLayout(row);
    // The bottom buttons follow the card's rounded corners (the style sheet draws them).
    if (buttons.size() == 2) {
        buttons.first()->setProperty("corner", QStringLiteral("left"));
        buttons.last()->setProperty("corner", QStringLiteral("right"));
    } else if (!buttons.isEmpty()) {
        buttons.last()->setProperty("corner", QStringLiteral("both"));
    }
}

AlertView* AlertView::showAlertWithTitle(
    const QString& title, const QString& message, const QString& buttonTitle)
{
    auto* alert = new AlertView(title, message, buttonTitle);
    alert->present();
    return alert;
}

AlertView* AlertView::showOKWithTitle(const QString& title, const QString& message)
{
    return showAlertWithTitle(title, message, MainBundle::localizedString("确定"));
}

AlertView* AlertView::showError(const QString& localizedDescription)
{
    return showOKWithTitle(MainBundle::localizedString("失败"), localizedDescription);
}

AccessibleControl::Description AlertView::accessibleDescription() const
{
    Description alert = PopupView::accessibleDescription();
    alert.role = QAccessible::AlertMessage;
    alert.value = m_message;
    return alert;
}

QRect AlertView::cardRect(const QSize& area) const
{
    const int width = qMin(kCardWidth, area.width() - 40);
    const int height = qMin(cardHeightForWidth(width), area.height() - 40);
    return QRect((area.width() - width) / 2, (area.height() - height) / 2, width, height);
}
