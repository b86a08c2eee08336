#include "widgets/AlertView.h"

#include "platform/FontCatalog.h"
#include "platform/MainBundle.h"

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
    card()->setStyleSheet(QStringLiteral(
        "QFrame#card { background: #f7f8f9; border-radius: 12px; }"
        "QLabel { color: #1f2326; }"
        "QPushButton { color: #17808a; background: transparent; border: none; border-top: 1px solid #cfd4d8;"
        " min-height: 42px; padding: 0 8px; }"
        "QPushButton:pressed, QPushButton:focus { background: #e4e8eb; }"
        "QPushButton#cancel { font-weight: bold; }"));

    auto* layout = new QVBoxLayout(card());
    layout->setContentsMargins(0, 18, 0, 0);
    layout->setSpacing(0);
    auto* texts = new QVBoxLayout;
    texts->setContentsMargins(16, 0, 16, 16);
    texts->setSpacing(6);
    texts->addWidget(makeLabel(title, FontCatalog::boldSystemFontOfSize(12), card()));
    texts->addWidget(makeLabel(message, FontCatalog::systemFontOfSize(10.5), card()));
    layout->addLayout(texts);

    const QFont buttonFont = FontCatalog::systemFontOfSize(12);
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
    // The bottom buttons follow the card's rounded corners when pressed or focused.
    if (buttons.size() == 2) {
        buttons.first()->setStyleSheet(QStringLiteral("border-bottom-left-radius: 12px;"));
        buttons.last()->setStyleSheet(
            QStringLiteral("border-bottom-left-radius: 0; border-bottom-right-radius: 12px;"
                           " border-left: 1px solid #cfd4d8;"));
    } else if (!buttons.isEmpty()) {
        buttons.last()->setStyleSheet(
            QStringLiteral("border-bottom-left-radius: 12px; border-bottom-right-radius: 12px;"));
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

QRect AlertView::cardRect(const QSize& area) const
{
    const int width = qMin(kCardWidth, area.width() - 40);
    const int height = qMin(cardHeightForWidth(width), area.height() - 40);
    return QRect((area.width() - width) / 2, (area.height() - height) / 2, width, height);
}
