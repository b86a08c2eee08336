#pragma once

#include <QImage>
#include <QString>

class CarInfo;

// What the car information screen shows of a car: its photo, name and unit system, and the
// tank, displacement and grade. The tank and the displacement show as they were typed (45.7,
// not 45), each with its unit. Without a car every text is empty.
class CarInfoFigures
{
public:
    explicit CarInfoFigures(const CarInfo* car);

    QImage photo;
    QString name;
    QString unitName;
    QString maxVolumn; // "45.7 L"
    QString capacity; // "1.6 CC"
    QString gradeName;
};
