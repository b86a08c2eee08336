#pragma once

#include "store/CarInfo.h"

#include <QList>

#include <memory>
#include <vector>

// The single owner of the cars and of the current car, which every screen shows and every
// statistic is computed for. There is one per session (Session), which makes it on first use.
// The car list is read from the store once per session and then kept in step with inserts and
// deletes. Screens hold plain pointers to the cars it owns; a car taken out of the list stays
// alive until the manager goes, so no such pointer ever dangles.
class CarManage
{
public:
    // The current session's car manager.
    static CarManage* sharedCarManage();

    CarManage(const CarManage&) = delete;
    CarManage& operator=(const CarManage&) = delete;

    // Every car of the store in the store's order; read once, later calls never reread. Empty
    // while the store could not be read: loadDefaultCar() says whether it could.
    QList<CarInfo*> getAllCars();

    // The current car: nullptr before the first load, a blank car without key when the store
    // has no car.
    CarInfo* mCurrentCarInfo() const { return m_currentCar; }
    // The car being created, not yet saved; nullptr before createNewCar.
    CarInfo* mNewCarInfo() const { return m_newCar; }

    // Makes the stored default car current; a stale default is replaced by the first car.
    // False, with the reason in *error and nothing current, when the cars cannot be read.
    bool loadDefaultCar(QString* error = nullptr);
    // Stores the car's key as the default and makes it current; nullptr is ignored.
    void setDefaultCar(CarInfo* car);
    // The default car's position in the list; 0 without a default or when it is not there.
    int getDefaultCarIndex();

    // A fresh car with the defaults of a new car becomes mNewCarInfo.
    void createNewCar();
    // Inserts mNewCarInfo and, when asked, makes it the default car. False when there is no new
    // car still to store (none made, or already saved) or its insert failed: after a failed
    // insert nothing changed and the car can be saved again.
    bool saveNewCar(bool makeDefault);
    // Inserts the car made by createNewCar under a fresh key and appends it to the list. False
    // when the insert failed: the car keeps its previous key and is not listed.
    bool addNewCar(CarInfo* car);
    // Deletes the car's fill-ups and the car, takes it out of the list and reloads the default.
    // False, with the reason in *error and the car still listed, when the store refused.
    bool removeCar(CarInfo* car, QString* error = nullptr);

private:
    friend class Session;
    CarManage();
    bool loadCars(QString* error);

    std::vector<std::unique_ptr<CarInfo>> m_cars;
    bool m_loaded = false;
    std::unique_ptr<CarInfo> m_blankCar; // current while the store has no car
    std::unique_ptr<CarInfo> m_unsavedCar; // made by createNewCar, owned until inserted
    std::vector<std::unique_ptr<CarInfo>> m_retiredCars; // no longer listed, kept for the pointers held
    CarInfo* m_currentCar = nullptr;
    CarInfo* m_newCar = nullptr;
};
