#include "screens/base/BaseModalViewController.h"

#include "screens/base/BaseModalViewControllerDelegate.h"
#include "screens/base/NavigationPopedViewControllerDelegate.h"
#include "widgets/ActivityIndicatorView.h"
#include "widgets/NavigationController.h"
#include "widgets/NavigationItem.h"

#include <QAction>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

BaseModalViewController::BaseModalViewController(QWidget* parent)
    : ViewController(parent)
{ }

// Only the shown screen leaves: popping from below would take another screen off the stack.
void BaseModalViewController::popViewControllerAnimated(bool animated, bool status)
{
    NavigationController* navigation = navigationController();
    if (!navigation || navigation->topViewController() != this)
        return;
    if (m_navDelegate)
        m_navDelegate->willPopNavViewController(this, status);
    navigation->popViewControllerAnimated(animated);
    if (m_navDelegate)
        m_navDelegate->DidPopNavViewController(this, status);
}

void BaseModalViewController::popViewControllerAnimated(bool animated)
{
    NavigationController* navigation = navigationController();
    if (!navigation || navigation->topViewController() != this)
        return;
    if (m_navDelegate)
        m_navDelegate->willPopNavViewController(this);
    navigation->popViewControllerAnimated(animated);
    if (m_navDelegate)
        m_navDelegate->DidPopNavViewController(this);
}

void BaseModalViewController::requestDismissModalViewAnimated()
{
    if (!m_dissDelegate)
        return;
    m_dissDelegate->willDissModalViewController(this);
    m_dissDelegate->DidDissModalViewController(this);
}

void BaseModalViewController::showActive()
{
    hideActive();
    m_indicatorView = new ActivityIndicatorView(this);
    auto* half = new QGraphicsOpacityEffect(m_indicatorView);
    half->setOpacity(0.5);
    m_indicatorView->setGraphicsEffect(half);
    m_indicatorView->startAnimating();
}

void BaseModalViewController::hideActive()
{
    delete m_indicatorView;
    m_indicatorView = nullptr;
}

bool BaseModalViewController::isShowingActive() const
{
    return m_indicatorView != nullptr;
}

QVBoxLayout* BaseModalViewController::makeFormColumn(QWidget* host)
{
    if (!host)
        host = this;
    // The column takes nearly all the width until it is as wide as it may be; the margins
    // share what is left.
    auto* centred = new QHBoxLayout(host);
    auto* column = new QWidget(host);
    column->setMaximumWidth(kFormWidth);
    centred->addStretch(1);
    centred->addWidget(column, 1000);
    centred->addStretch(1);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

void BaseModalViewController::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    QAction* button = nullptr;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        button = navigationItem()->rightBarButtonItem();
    else if (key == Qt::Key_Escape)
        button = navigationItem()->leftBarButtonItem();
    if (button) {
        button->trigger();
        return;
    }
    NavigationController* navigation = navigationController();
    if (key == Qt::Key_Escape && navigation && navigation->topViewController() == this
        && navigation->viewControllers().size() > 1) {
        navigation->popViewControllerAnimated(true);
        return;
    }
    ViewController::keyPressEvent(event);
}

QLabel* BaseModalViewController::makeCaption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("caption"));
    return label;
}
