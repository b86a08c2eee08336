#pragma once

#include <QString>

// Writes cars and fill-ups with plain SQL, as another tool or an older version could, so tests
// can set up a log without going through the code under test.
class LogBuilder
{
public:
    struct FillUp
    {
        double date = 0; // seconds since 1970
        int month = 0; // the stored yyyyMM
        double volumn = 0;
        double money = 0;
        double price = 0;
        double mileage = 0;
        int grade = 0;
    };

    // Seconds since 1970 of a wall-clock time in a named time zone.
    static double at(int year, int month, int day, int hour = 12, int minute = 0, const char* zone = "UTC");

    // The seed database in place; false when that failed.
    static bool createStore();
    static QString addCar(const QString& name, int unit = 1, int grade = 0, double initialReading = 0);
    static qint64 addFillUp(const QString& carID, const FillUp& fillUp);
    // Runs a statement that must succeed.
    static void exec(const QString& sql);
    // Makes the store refuse every insert, update or delete (the operation) on the table, as a
    // full disk would, until accept().
    static void refuse(const char* operation, const char* table);
    static void accept();
    // The first column of the first row, as text ("NULL" for NULL).
    static QString value(const QString& sql);
    // Overwrites the pages where the table and its indexes start with garbage, as a failing
    // disk would: the schema on page one still reads, the table does not.
    static void corruptTable(const QString& table);
};
