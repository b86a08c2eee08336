#pragma once

#include "screens/base/BaseModalViewController.h"
#include "screens/base/BaseModalViewControllerDelegate.h"
#include "store/Oil.h"

#include <memory>

class CarInfo;
class PropertyView;
class QGridLayout;
class QLabel;
class QPushButton;
class UrlHandler;

// One fill-up, read-only: its date, grade, price, volume, total, odometer reading, note and,
// when it was stored with one, its position, in display fields that take no taps, refreshed
// each time the screen appears. The map button hands the position to the desktop's map or
// browser. Change opens the entry screen on it; delete asks first and leaves the screen once
// the log has let it go. Enter presses the focused button (change, at first), Delete asks to
// delete, Escape goes back.
class HistoryDetailController : public BaseModalViewController, public BaseModalViewControllerDelegate
{
    Q_OBJECT

public:
    // The position's map goes to the desktop through the handler.
    explicit HistoryDetailController(std::shared_ptr<UrlHandler> urlHandler, QWidget* parent = nullptr);

    // The fill-up to show, kept as a copy, and its car, which gives the units (not owned; the
    // car manager keeps every car for the run). Set before the screen is pushed.
    void setOil(const Oil& oil, const CarInfo* car);
    const Oil& oil() const { return m_oil; }

    // Presents the entry screen on the fill-up, in change mode; what it saves shows here when
    // it is dismissed.
    void onUpdate();
    // Asks to delete the fill-up; pops once it is deleted. A refused delete is said in an alert
    // and the screen stays.
    void onDelete();
    // Opens the position on OpenStreetMap; a desktop that cannot is said in an alert.
    void onShowMap();

    void willDissModalViewController(ViewController* controller) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void viewDidAppear() override;
    // Delete asks to delete, as the delete button does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    PropertyView* addField(QGridLayout* grid, const char* caption, QLabel* unit = nullptr);

    std::shared_ptr<UrlHandler> m_urlHandler;
    Oil m_oil;
    const CarInfo* m_car = nullptr;
    PropertyView* mDate = nullptr;
    PropertyView* mSpec = nullptr;
    PropertyView* mPrice = nullptr;
    PropertyView* mVolumn = nullptr;
    PropertyView* mTotal = nullptr;
    PropertyView* mMiles = nullptr;
    PropertyView* mNotes = nullptr;
    PropertyView* mPosition = nullptr;
    // The position's caption, field and map button, shown only for a stored position.
    QList<QWidget*> m_positionRow;
    QLabel* unitPrice = nullptr;
    QLabel* unitTotal = nullptr;
    QLabel* unitVolumn = nullptr;
    QLabel* unitMiles = nullptr;
    QPushButton* m_updateButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
};
