#include "widgets/SlideAnimation.h"

#include <QEasingCurve>
#include <QPropertyAnimation>
#include <QWidget>

namespace {

const char* const kAnimationName = "pumporaSlide";

// A stopped slide waits for its deletion a little longer; it no longer counts.
QPropertyAnimation* running(QWidget* widget)
{
    const auto slides = widget->findChildren<QPropertyAnimation*>(
        QLatin1String(kAnimationName), Qt::FindDirectChildrenOnly);
    for (QPropertyAnimation* slide : slides) {
        if (slide->state() == QAbstractAnimation::Running)
            return slide;
    }
    return nullptr;
}

} // namespace

void SlideAnimation::slide(QWidget* widget, QPoint from, QPoint to, std::function<void()> finished)
{
    finish(widget);
    auto* animation = new QPropertyAnimation(widget, "pos", widget);
    animation->setObjectName(QLatin1String(kAnimationName));
    animation->setDuration(kDurationMs);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    animation->setStartValue(from);
    animation->setEndValue(to);
    widget->move(from);
    if (finished)
        QObject::connect(animation, &QPropertyAnimation::finished, widget, std::move(finished));
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void SlideAnimation::whenFinished(QWidget* widget, std::function<void()> action)
{
    if (QPropertyAnimation* animation = running(widget))
        QObject::connect(animation, &QPropertyAnimation::finished, widget, std::move(action));
    else
        action();
}

void SlideAnimation::finish(QWidget* widget)
{
    if (QPropertyAnimation* animation = running(widget))
        animation->setCurrentTime(animation->duration());
}
