#pragma once

#include <QPoint>

#include <functional>

class QWidget;

// The short slide with which screens come and go: pushed screens enter from the right, presented
// ones from the bottom. Only the picture moves; the containers change their state at once, so
// nothing waits for an animation to end.
class SlideAnimation
{
public:
    static constexpr int kDurationMs = 250;

    // Moves the widget from `from` to `to`, then calls `finished`.
    static void slide(QWidget* widget, QPoint from, QPoint to, std::function<void()> finished = {});

    // Runs the action when the widget's running slide is over, or at once when none runs.
    static void whenFinished(QWidget* widget, std::function<void()> action);

    // Ends a running slide of the widget at its end position at once (the container was resized).
    static void finish(QWidget* widget);
};
