#include "screens/base/CKeyHelpView.h"

#include "screens/base/CKeyHelpViewActionDelegate.h"
#include "widgets/Palette.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QToolButton>

namespace {

QToolButton* makeKey(const QString& caption, QWidget* parent)
{
    auto* key = new QToolButton(parent);
    key->setObjectName(QStringLiteral("key"));
    key->setText(caption);
    key->setFont(Palette::font(Palette::Font::BarButton));
    // Keys never take the focus: the editor's input keeps the keyboard while they are pressed.
    key->setFocusPolicy(Qt::NoFocus);
    key->setCursor(Qt::PointingHandCursor);
    key->setMinimumWidth(56);
    return key;
}

} // namespace

CKeyHelpView::CKeyHelpView(const QStringList& keyCaptions, QWidget* parent)
    : QWidget(parent)
    , m_keys(new QButtonGroup(this))
{
    setFixedHeight(kHeight);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 5, 8, 5);
    layout->setSpacing(8);
    for (int i = 0; i < keyCaptions.size(); ++i) {
        QToolButton* key = makeKey(keyCaptions.at(i), this);
        m_keys->addButton(key, i);
        layout->addWidget(key);
    }
    layout->addStretch();
    connect(m_keys, &QButtonGroup::buttonClicked, this, &CKeyHelpView::itemAction);
}

QAbstractButton* CKeyHelpView::key(int index) const
{
    return m_keys->button(index);
}

int CKeyHelpView::keyCount() const
{
    return int(m_keys->buttons().size());
}

QAbstractButton* CKeyHelpView::addDecimalKey()
{
    if (!m_decimalKey) {
        m_decimalKey = makeKey(QStringLiteral("."), this);
        layout()->addWidget(m_decimalKey);
    }
    return m_decimalKey;
}

void CKeyHelpView::itemAction(QAbstractButton* key)
{
    const int tag = m_keys->id(key);
    if (tag >= 0 && m_actionDelegate)
        m_actionDelegate->viewActionButton(key, tag);
}

void CKeyHelpView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, Palette::colour(Palette::Colour::KeyBarTop));
    gradient.setColorAt(1, Palette::colour(Palette::Colour::KeyBarBottom));
    painter.fillRect(rect(), gradient);
    painter.setPen(Palette::colour(Palette::Colour::KeyBorder));
    painter.drawLine(0, 0, width(), 0);
}
