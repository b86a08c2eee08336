#include "support/ScreenDriver.h"

#include "widgets/ActionSheet.h"
#include "widgets/AlertView.h"
#include "widgets/PickerView.h"

#include <QPushButton>
#include <QWheelEvent>
#include <QtTest>

namespace {

template <typename Popup>
Popup* newest()
{
    const QList<PopupView*> shown = PopupView::shownPopups();
    for (qsizetype i = shown.size() - 1; i >= 0; --i) {
        if (auto* popup = qobject_cast<Popup*>(shown.at(i)))
            return popup;
    }
    return nullptr;
}

} // namespace

AlertView* ScreenDriver::shownAlert()
{
    return newest<AlertView>();
}

ActionSheet* ScreenDriver::shownActionSheet()
{
    return newest<ActionSheet>();
}

QString ScreenDriver::alertText()
{
    const AlertView* alert = shownAlert();
    return alert ? alert->title() + QLatin1Char('|') + alert->message() : QString();
}

bool ScreenDriver::pressButton(PopupView* popup, const QString& title)
{
    const int index = popup ? int(popup->buttonTitles().indexOf(title)) : -1;
    return index >= 0 && tap(popup->buttonAtIndex(index));
}

QWidget* ScreenDriver::focused()
{
    QWidget* widget = QApplication::focusWidget();
    return widget ? widget : QApplication::activeWindow();
}

void ScreenDriver::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(focused(), key, modifiers);
}

bool ScreenDriver::tap(QWidget* widget)
{
    if (!widget)
        return false;
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    return true;
}

void ScreenDriver::type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        const int key = c.unicode() < 0x80 ? QKeySequence(QString(c))[0].key() : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

void ScreenDriver::turnWheel(PickerView* picker, int component, int row)
{
    const int steps = picker->selectedRowInComponent(component) - row;
    const QPointF at = QRectF(picker->rectForComponent(component)).center();
    QWheelEvent wheel(at, picker->mapToGlobal(at), QPoint(), QPoint(0, 120 * steps), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(picker, &wheel);
    QCOMPARE(picker->selectedRowInComponent(component), row);
}
