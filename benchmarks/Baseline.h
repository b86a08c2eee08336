#pragma once

#include "reports/OilReportItem.h"
#include "store/Oil.h"

#include <QList>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// The figures of each refresh computed the fastest way we can write: one connection kept open,
// statements prepared once, as few of them as the figures allow.
class Baseline
{
public:
    Baseline(const QString& databasePath, const QString& carID, double startSeconds);
    ~Baseline();
    Baseline(const Baseline&) = delete;
    Baseline& operator=(const Baseline&) = delete;

    struct Totals
    {
        double money = 0;
        double volumn = 0;
        double miles = 0;
        double drivenMoney = 0;
        double drivenVolumn = 0;
        double consumption = 0;
    };
    struct Overview
    {
        Totals totals;
        QList<Oil> topFive;
    };
    struct Report
    {
        Totals totals;
        QList<OilReportItem> months;
    };

    Overview overview();
    Report report();
    QList<Oil> history();

private:
    Totals totals(QList<Oil>* topFive);
    sqlite3_stmt* prepare(const char* sql);

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_totals = nullptr;
    sqlite3_stmt* m_topFive = nullptr;
    sqlite3_stmt* m_months = nullptr;
    sqlite3_stmt* m_monthFirsts = nullptr;
    sqlite3_stmt* m_monthLasts = nullptr;
    sqlite3_stmt* m_history = nullptr;
    QByteArray m_carID;
    double m_start;
};
