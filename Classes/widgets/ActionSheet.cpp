#include "widgets/ActionSheet.h"

#include "widgets/Palette.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ActionSheet::ActionSheet(const QString& title, const QString& cancelButtonTitle,
    const QString& destructiveButtonTitle, const QStringList& otherButtonTitles)
    : PopupView(title)
{
    auto* layout = new QVBoxLayout(card());
    layout->setContentsMargins(12, 14, 12, 14);
    layout->setSpacing(8);
    if (!title.isEmpty()) {
        auto* caption = new QLabel(title, card());
        caption->setFont(Palette::font(Palette::Font::PopupMessage));
        caption->setAlignment(Qt::AlignCenter);
        caption->setWordWrap(true);
        layout->addWidget(caption);
    }
    const QFont buttonFont = Palette::font(Palette::Font::PopupButton);
    if (!destructiveButtonTitle.isEmpty())
        layout->addWidget(makeButton(destructiveButtonTitle, ButtonRole::Destructive));
    for (const QString& other : otherButtonTitles)
        layout->addWidget(makeButton(other, ButtonRole::Default));
    if (!cancelButtonTitle.isEmpty()) {
        layout->addSpacing(6);
        layout->addWidget(makeButton(cancelButtonTitle, ButtonRole::Cancel));
    }
    for (int i = 0; buttonAtIndex(i); ++i)
        buttonAtIndex(i)->setFont(buttonFont);
}

QRect ActionSheet::cardRect(const QSize& area) const
{
    const int cardHeight = qMin(cardHeightForWidth(area.width()), area.height());
    return QRect(0, area.height() - cardHeight, area.width(), cardHeight);
}
