#pragma once

#include "platform/Date.h"

#include <QWidget>

class PickerView;

// The date wheels: year, month and day in the order the device's locale writes them, in the
// device's time zone. Turning them changes the day only; the time of day of the date that was
// set is kept, so the picker's full date is that time on the chosen day. A turn reports
// valueChanged.
class DatePicker : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kFirstYear = 1900;
    static constexpr int kLastYear = 2100;

    explicit DatePicker(QWidget* parent = nullptr);

    Date date() const { return m_date; }
    void setDate(Date date, bool animated);

    PickerView* wheels() const { return m_wheels; }

Q_SIGNALS:
    void valueChanged();

private:
    enum class Part
    {
        Year,
        Month,
        Day
    };

    void showDate(bool animated);
    void wheelTurned(int row, int component);

    QList<Part> m_order;
    Date m_date;
    PickerView* m_wheels;
};
