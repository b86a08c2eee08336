#include "widgets/ActionSheet.h"

#include "platform/FontCatalog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ActionSheet::ActionSheet(const QString& title, const QString& cancelButtonTitle,
    const QString& destructiveButtonTitle, const QStringList& otherButtonTitles)
    : PopupView(title)
{
    card()->setStyleSheet(QStringLiteral(
        "QFrame#card { background: #f7f8f9; border-top-left-radius: 12px; border-top-right-radius: 12px; }"
        "QLabel { color: #6b737b; }"
        "QPushButton { color: #17808a; background: white; border: 1px solid #cfd4d8; border-radius: 8px;"
        " min-height: 42px; }"
        "QPushButton:pressed, QPushButton:focus { background: #e4e8eb; }"
        "QPushButton#destructive { color: #d0342c; }"
        "QPushButton#cancel { font-weight: bold; }"));

    auto* layout = new QVBoxLayout(card());
    layout->setContentsMargins(12, 14, 12, 14);
    layout->setSpacing(8);
    if (!title.isEmpty()) {
        auto* caption = new QLabel(title, card());
        caption->setFont(FontCatalog::systemFontOfSize(10));
        caption->setAlignment(Qt::AlignCenter);
        caption->setWordWrap(true);
        layout->addWidget(caption);
    }
    const QFont buttonFont = FontCatalog::systemFontOfSize(12);
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
