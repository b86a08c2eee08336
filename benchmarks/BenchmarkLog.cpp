#include "BenchmarkLog.h"

#include "reports/DateEx.h"
#include "store/CarManage.h"
#include "store/Setting.h"
#include "store/Utility.h"

#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>

namespace {

void check(int rc, sqlite3* db)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE) {
        std::fprintf(stderr, "benchmark log: %s\n", sqlite3_errmsg(db));
        std::exit(EXIT_FAILURE);
    }
}

} // namespace

BenchmarkLog::BenchmarkLog(int fillUpsPerCar)
{
    if (!Utility::copyDatabase()) {
        std::fprintf(stderr, "benchmark log: cannot create the store\n");
        std::exit(EXIT_FAILURE);
    }

    sqlite3* db = nullptr;
    check(sqlite3_open(databasePath().toUtf8().constData(), &db), db);
    check(sqlite3_exec(db, "begin", nullptr, nullptr, nullptr), db);
    const double twentyYears = 20 * 365.25 * 86400;
    const double first = 1009843200; // 2002-01-01
    m_start = first - 86400;
    for (const char* name : { "Benchmark", "Neighbour" }) {
        const QString key = Utility::UUID();
        if (m_carID.isEmpty())
            m_carID = key;
        const QString car
            = QStringLiteral("insert into car_information (car_id, car_name, car_oil_spec, unit, "
                             "register_date, update_date, maxvolumn) values ('%1', '%2', 0, 1, %3, %3, 60)")
                  .arg(key, QLatin1String(name))
                  .arg(first);
        check(sqlite3_exec(db, car.toUtf8().constData(), nullptr, nullptr, nullptr), db);

        sqlite3_stmt* insert = nullptr;
        check(sqlite3_prepare_v2(db,
                  "insert into oil_history (car_id, oil_money, oil_price, oil_volumn, oil_spec, oil_date, "
                  "car_mileage, oil_month, longitude, latitude) values (?,?,?,?,?,?,?,?,0,0)",
                  -1, &insert, nullptr),
            db);
        const QByteArray carKey = key.toUtf8();
        for (int i = 0; i < fillUpsPerCar; ++i) {
            const double date = first + twentyYears * i / fillUpsPerCar;
            const double volumn = 30 + (i * 7919 % 200) / 10.0;
            const double price = 1.4 + (i % 50) / 100.0;
            sqlite3_bind_text(insert, 1, carKey.constData(), -1, SQLITE_STATIC);
            sqlite3_bind_double(insert, 2, volumn * price);
            sqlite3_bind_double(insert, 3, price);
            sqlite3_bind_double(insert, 4, volumn);
            sqlite3_bind_int(insert, 5, i % 3);
            sqlite3_bind_double(insert, 6, date);
            sqlite3_bind_double(insert, 7, 10000 + 550.0 * i);
            sqlite3_bind_int(insert, 8, int(DateEx::numberMonth(Date(date))));
            check(sqlite3_step(insert), db);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
    }
    check(sqlite3_exec(db, "commit", nullptr, nullptr, nullptr), db);
    sqlite3_close(db);

    Setting::setStartDate(Date(m_start));
    Setting::setDefaultCarID(m_carID);
    CarManage::sharedCarManage()->loadDefaultCar();
}

QString BenchmarkLog::databasePath() const
{
    return Utility::getDBPath();
}
