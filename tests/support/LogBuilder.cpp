#include "support/LogBuilder.h"

#include "store/StoreStatement.h"
#include "store/Utility.h"

#include <QtTest>

double LogBuilder::at(int year, int month, int day, int hour, int minute, const char* zone)
{
    const QDateTime moment(QDate(year, month, day), QTime(hour, minute), QTimeZone(QByteArray(zone)));
    return double(moment.toSecsSinceEpoch());
}

bool LogBuilder::createStore()
{
    return Utility::copyDatabase();
}

QString LogBuilder::addCar(const QString& name, int unit, int grade, double initialReading)
{
    const QString key = Utility::UUID();
    exec(QStringLiteral(
        "insert into car_information (car_id, car_name, car_capacity, car_oil_spec, car_init_mile, "
        "register_date, update_date, unit, maxvolumn) values ('%1', '%2', 1.6, %3, %4, 1300000000, "
        "1300000000, %5, 60)")
             .arg(key, name)
             .arg(grade)
             .arg(initialReading)
             .arg(unit));
    return key;
}

qint64 LogBuilder::addFillUp(const QString& carID, const FillUp& fillUp)
{
    StoreStatement insert(
        QStringLiteral("insert into oil_history (car_id, oil_money, oil_price, oil_volumn, oil_spec, "
                       "oil_date, car_mileage, oil_month, longitude, latitude) values "
                       "(?,?,?,?,?,?,?,?,0,0)"));
    insert.bindText(1, carID);
    insert.bindDouble(2, fillUp.money);
    insert.bindDouble(3, fillUp.price);
    insert.bindDouble(4, fillUp.volumn);
    insert.bindInt(5, fillUp.grade);
    insert.bindDouble(6, fillUp.date);
    insert.bindDouble(7, fillUp.mileage);
    insert.bindInt(8, fillUp.month);
    if (!insert.execute())
        qFatal("LogBuilder: cannot insert a fill-up");
    return insert.lastInsertRowId();
}

void LogBuilder::exec(const QString& sql)
{
    if (!Utility::executeSQL(sql))
        qFatal("LogBuilder: statement failed: %s", qPrintable(sql));
}

void LogBuilder::refuse(const char* operation, const char* table)
{
    exec(QStringLiteral("create trigger refuse before %1 on %2 begin select raise(abort, 'disk full'); end")
             .arg(QLatin1String(operation), QLatin1String(table)));
}

void LogBuilder::accept()
{
    exec(QStringLiteral("drop trigger refuse"));
}

QString LogBuilder::value(const QString& sql)
{
    StoreStatement statement(sql);
    if (!statement.nextRow())
        return QString();
    return statement.isNull(0) ? QStringLiteral("NULL") : statement.columnText(0);
}

void LogBuilder::corruptTable(const QString& table)
{
    QList<qint64> rootPages;
    {
        StoreStatement roots(
            QStringLiteral("select rootpage from sqlite_master where tbl_name = '%1'").arg(table));
        while (roots.nextRow())
            rootPages << roots.columnInt(0);
    }
    const qint64 pageSize = value(QStringLiteral("pragma page_size")).toLongLong();
    QFile file(Utility::getDBPath());
    if (rootPages.isEmpty() || !file.open(QIODevice::ReadWrite))
        qFatal("LogBuilder: cannot corrupt %s", qPrintable(table));
    for (const qint64 page : rootPages) {
        file.seek((page - 1) * pageSize);
        file.write(QByteArray(pageSize, '\xa5'));
    }
}
