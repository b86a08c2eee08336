#pragma once

#include "store/Session.h"

#include <QString>
#include <QTemporaryDir>

// A fresh data directory with two cars of the same number of fill-ups, spread evenly over
// twenty years, with the session that works on it while it lives.
class BenchmarkLog
{
public:
    explicit BenchmarkLog(int fillUpsPerCar);

    QString carID() const { return m_carID; }
    QString databasePath() const;
    double startSeconds() const { return m_start; }

private:
    QTemporaryDir m_directory;
    Session m_session { m_directory.path() };
    QString m_carID;
    double m_start = 0;
};
