#include "store/Oil.h"

#include "platform/Clock.h"
#include "reports/DateEx.h"
#include "reports/StringFormat.h"
#include "store/OilInfo.h"
#include "store/StoreStatement.h"
#include "store/Utility.h"

bool Oil::update(QString* error)
{
    StoreStatement statement(
        QStringLiteral("update oil_history set oil_volumn=?,oil_money=?,oil_price=?,oil_spec=?,"
                       "oil_date=?,oil_month=?,car_mileage=?,notes=?,update_date=?  where "
                       "history_id=?"));
    if (statement.isPrepared()) {
        statement.bindDouble(1, oilVolumn);
        statement.bindDouble(2, dTotal);
        statement.bindDouble(3, dUnitPrice);
        statement.bindInt(4, int(mOilInfo ? mOilInfo->dNumber : 0));
        statement.bindDouble(5, date ? date->timeIntervalSince1970() : 0.0);
        statement.bindInt(6, int(date ? DateEx::numberMonth(*date) : 0));
        statement.bindDouble(7, dCarDisplacement);
        if (!notes.isNull())
            statement.bindText(8, notes);
        statement.bindDouble(9, Clock::now().timeIntervalSince1970());
        statement.bindDouble(10, oilID);
    }
    if (statement.execute())
        return true;
    if (error)
        *error = statement.errorString();
    return false;
}

bool Oil::remove(QString* error)
{
    // The whole 64-bit key: a key narrowed to 32 bits would delete nothing, or another row.
    return Utility::executeSQL(
        StringFormat::format(QStringLiteral("delete from oil_history where history_id=%d"), { oilID }),
        error);
}

QString Oil::description() const
{
    const QString when
        = date ? DateEx::stringWithFormat(*date, DateEx::timestampFormatString()) : QStringLiteral("(null)");
    return StringFormat::format(QStringLiteral("Car ID:%@"), { carID })
        + StringFormat::format(QStringLiteral("加油数量:%f"), { oilVolumn })
        + StringFormat::format(QStringLiteral("加油 date:%@"), { when })
        + StringFormat::format(QStringLiteral("总价:%f"), { dTotal })
        + StringFormat::format(QStringLiteral("加油时的公里表读数:%f"), { dCarDisplacement })
        + StringFormat::format(QStringLiteral("dlongitude:%f"), { dlongitude })
        + StringFormat::format(QStringLiteral("dlatitude:%f"), { dlatitude });
}
