#pragma once

#include <QString>
#include <Qt>

class ActionSheet;
class AlertView;
class PickerView;
class PopupView;
class QWidget;

// What a user does to the screens, for tests: tapping widgets and bar buttons, pressing popup buttons,
// turning wheels. Each goes through the real widgets' input events.
namespace ScreenDriver {

// The newest popup shown, or null.
AlertView* shownAlert();
ActionSheet* shownActionSheet();

// The newest alert as "title|message"; empty when none is shown.
QString alertText();

// Presses the popup's button of that title; false when it has none.
bool pressButton(PopupView* popup, const QString& title);

// What has the keys; the active window when nothing in it has (a test then fails, not crashes).
QWidget* focused();

// A key pressed and released on what has the keys.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// A click in the middle of the widget; false when there is none (a bar that shows no such button).
bool tap(QWidget* widget);

// Types the text key by key into the widget, any characters (QTest::keyClicks takes ASCII only).
void type(QWidget* widget, const QString& text);

// Turns the wheel with the mouse wheel until the row is selected.
void turnWheel(PickerView* picker, int component, int row);

} // namespace ScreenDriver
