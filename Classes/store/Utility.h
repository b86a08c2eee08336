#pragma once

#include <QString>

class Oil;

// Class operations shared by the store and the screens: the database file, one-off statements,
// keys, the currency symbol and the operating system's version.
class Utility
{
public:
    // oil_db.sqlite inside the documents directory.
    static QString getDBPath();

    // Puts the seed database in place when the documents directory has none, or only the
    // zero-byte file an earlier failed copy leaves, and then checks what is there as
    // checkDatabase() does. The choice is made with the directory locked, so that two programs
    // starting together cannot both make it; a file with anything in it is never replaced.
    // False, with the reason in *error, when the store cannot be used.
    static bool copyDatabase(QString* error = nullptr);

    // Checks, creating nothing, that the documents directory holds a fuel log the store can
    // use: both tables with every column it reads and writes. A busy database says so.
    static bool checkDatabase(QString* error = nullptr);

    // Copies a bundled file into the documents directory unless something is already there
    // (decided with the directory locked); the copy is writable. False when a copy was needed
    // and failed.
    static bool copyResourceIfMissing(const QString& resourcePath, const QString& destinationPath);

    // Whether the path names one of the files that make up the log (the database with its
    // journals, the grade and unit lists, the preferences), also through symbolic links.
    static bool isLogFile(const QString& path);

    // Runs one complete statement; true when it ran to completion, else the reason in *error.
    static bool executeSQL(const QString& sql, QString* error = nullptr);

    // A new key in the canonical 36-character form, upper-case hexadecimal.
    static QString UUID();

    // The current locale's currency symbol, established once per session (Session).
    static QString getCurrencySybol();
    static QString currencySymbolForLocale(const QString& localeName);

    // The operating system's version as a number, scanned from the start of its version text
    // (4.3 for "4.3.1", 12 for "12"), and the checks that compare against it.
    static float CurrentIOSVersion();
    static float versionFromText(const QString& versionText);
    static bool IOSVersion50Late(float version = CurrentIOSVersion());
    static bool IOSVersion32Late(float version = CurrentIOSVersion());
    static bool IOSVersion31Late(float version = CurrentIOSVersion());

    // The step between two major ticks of a value axis that starts at 0 and must reach range
    // in at most markTicks steps: the smallest multiple (tried in the given order) times a
    // power of ten that does so, with fixed steps for ranges up to 30. Without multiples the
    // step is range * 1.2 / markTicks. markTicks must not be 0.
    static qint64 ChartYAxisSetOff(
        double range, quint16 markTicks, const quint64* qiwangBeisBuffers, quint8 qiwangbeisLens);
};

// The fill-up date order for std::sort and std::stable_sort: fill-ups without a date first,
// then by date, earlier first. Two fill-ups of the same date are equivalent.
bool OilDateCompare(const Oil& a, const Oil& b);
