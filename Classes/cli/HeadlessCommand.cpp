#include "cli/HeadlessCommand.h"

#include "store/CarManage.h"
#include "store/OilInfo.h"
#include "store/Unit.h"
#include "store/Utility.h"

bool HeadlessCommand::openLog(QTextStream& err)
{
    QString error;
    if (!Utility::copyDatabase(&error)) {
        err << "pumpora: the fuel log cannot be opened: " << error << '\n';
        return false;
    }
    CarManage::sharedCarManage()->loadDefaultCar();
    // A damaged grade or unit list reads short or empty; say so rather than show less.
    for (const QString& problem : { OilInfo::listProblem(), Unit::listProblem() }) {
        if (!problem.isEmpty())
            err << "pumpora: warning: " << problem << '\n';
    }
    return true;
}

CarInfo* HeadlessCommand::chooseCar(const QString& key, QTextStream& err, int& status)
{
    CarManage* manager = CarManage::sharedCarManage();
    if (key.isNull()) {
        CarInfo* current = manager->mCurrentCarInfo();
        if (!current || current->carID.isEmpty()) {
            err << "pumpora: the log has no car yet\n";
            status = Failure;
            return nullptr;
        }
        return current;
    }
    for (CarInfo* car : manager->getAllCars()) {
        if (car->carID == key)
            return car;
    }
    err << "pumpora: no car has the key '" << key << "' (see pumpora cars)\n";
    status = UsageError;
    return nullptr;
}
