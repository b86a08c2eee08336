#include "screens/base/BaseNumberEditViewController.h"

#include "platform/MainBundle.h"
#include "screens/base/CKeyHelpView.h"
#include "screens/base/PropertyView.h"
#include "widgets/NavigationItem.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>

BaseNumberEditViewController::BaseNumberEditViewController(QWidget* parent)
    : BaseModalViewController(parent)
{ }

// An editor destroyed while shown (the window closing) hands the focus on as its widgets go,
// when it is no longer an editor: it must not hear of that.
BaseNumberEditViewController::~BaseNumberEditViewController()
{
    disconnect(m_focusWatch);
}

bool BaseNumberEditViewController::decimalKeyNeeded(bool decimalFieldActive, float systemVersion)
{
    return decimalFieldActive && systemVersion < 4.1f;
}

bool BaseNumberEditViewController::isAddSubViewToKeyboard() const
{
    return needShowDecimal() || needShowKeyBoardTopView();
}

void BaseNumberEditViewController::cancel()
{
    popViewControllerAnimated(true, false);
}

void BaseNumberEditViewController::save()
{
    popViewControllerAnimated(true, true);
}

CKeyHelpView* BaseNumberEditViewController::keyBoardTopView()
{
    auto* bar = new CKeyHelpView({ MainBundle::localizedString("清除") }, this);
    bar->setActionDelegate(this);
    return bar;
}

void BaseNumberEditViewController::viewDidLoad()
{
    BaseModalViewController::viewDidLoad();
    NavigationItem* item = navigationItem();
    if (const QString title = NavLeftItemTitle(); !title.isEmpty()) {
        auto* button = new QAction(title, this);
        connect(button, &QAction::triggered, this, [this] { cancel(); });
        item->setLeftBarButtonItem(button);
    } else if (const QImage image = NavLeftImageItem(); !image.isNull()) {
        auto* button = new QAction(QIcon(QPixmap::fromImage(image)), QString(), this);
        connect(button, &QAction::triggered, this, [this] { navLeftItemAction(); });
        item->setLeftBarButtonItem(button);
    }
    if (const QString title = NavRightItemTitle(); !title.isEmpty()) {
        auto* button = new QAction(title, this);
        connect(button, &QAction::triggered, this, [this] { save(); });
        item->setRightBarButtonItem(button);
    } else if (const QImage image = NavRightImageItem(); !image.isNull()) {
        auto* button = new QAction(QIcon(QPixmap::fromImage(image)), QString(), this);
        connect(button, &QAction::triggered, this, [this] { navRightItemAction(); });
        item->setRightBarButtonItem(button);
    }
}

void BaseNumberEditViewController::viewWillAppear()
{
    BaseModalViewController::viewWillAppear();
    // The keyboard is watched only while the editor is on screen.
    m_focusWatch
        = connect(qApp, &QApplication::focusChanged, this, &BaseNumberEditViewController::focusMoved);
    focusMoved();
}

void BaseNumberEditViewController::viewWillDisappear()
{
    disconnect(m_focusWatch);
    if (m_keyboardShown)
        keyboardWillHide();
    BaseModalViewController::viewWillDisappear();
}

void BaseNumberEditViewController::resizeEvent(QResizeEvent* event)
{
    BaseModalViewController::resizeEvent(event);
    placeKeyBar();
}

// On a desktop the keyboard is "shown" while a text input of this editor has the focus: the
// physical keys then go into it.
void BaseNumberEditViewController::focusMoved()
{
    const QWidget* focus = QApplication::focusWidget();
    const bool typing = focus && isAncestorOf(focus) && focus->testAttribute(Qt::WA_InputMethodEnabled);
    if (typing && !m_keyboardShown)
        keyboardWillShow();
    else if (!typing && m_keyboardShown)
        keyboardWillHide();
}

void BaseNumberEditViewController::keyboardWillShow()
{
    m_keyboardShown = true;
    willShowKeyboard();
    if (!isAddSubViewToKeyboard())
        return;
    if (!m_keyBar) {
        m_keyBar = keyBoardTopView();
        if (needShowDecimal())
            connect(m_keyBar->addDecimalKey(), &QAbstractButton::clicked, this, [this] { onDotPress(); });
    }
    placeKeyBar();
    m_keyBar->show();
    m_keyBar->raise();
}

void BaseNumberEditViewController::keyboardWillHide()
{
    m_keyboardShown = false;
    willHideKeyboard();
    delete m_keyBar.data();
}

void BaseNumberEditViewController::placeKeyBar()
{
    if (m_keyBar)
        m_keyBar->setGeometry(0, height() - CKeyHelpView::kHeight, width(), CKeyHelpView::kHeight);
}

bool BaseNumberEditViewController::focusNextPrevChild(bool next)
{
    if (m_fieldOrder.isEmpty())
        return BaseModalViewController::focusNextPrevChild(next);
    const qsizetype count = m_fieldOrder.size();
    qsizetype active = -1;
    for (qsizetype i = 0; i < count; ++i) {
        if (m_fieldOrder.at(i)->isActive())
            active = i;
    }
    const qsizetype to = active < 0 ? 0 : (active + (next ? 1 : count - 1)) % count;
    m_fieldOrder.at(to)->tap();
    return true;
}
