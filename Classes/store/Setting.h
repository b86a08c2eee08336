#pragma once

#include "platform/Date.h"

#include <QByteArray>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <optional>

// The four preferences, kept in "preferences.ini" inside the documents directory. Every setter
// writes through at once, so a value survives a crash right after it was set; it returns false,
// with the reason in *error, when the file could not be written (the value is then not kept). A
// default is stored on the first read only while the key is still unset, checked with the file
// locked against the other programs that may write it.
//
// The file is only ever replaced whole: a change is made to a copy, which is then renamed over
// it, so a reader never sees half a file and needs no lock.
class Setting
{
public:
    static constexpr const char* kDefaultCar = "DefaultCar";
    static constexpr const char* kCarFilterStartDate = "CarFilterStartDate";
    static constexpr const char* kPrecisionDigits = "_Precision_digits_";
    static constexpr const char* kGPSFlag = "GPSFlag";

    static QString preferencesPath();

    // The key of the default car; a null string when none is stored.
    static QString getDefaultCarID();
    static bool setDefaultCarID(const QString& carID, QString* error = nullptr);

    // The start of the statistics period: only fill-ups after it count. The first read stores
    // a default (see setStartDateDefault); a stored 0 is replaced by the moment of the read.
    static Date getStartDate();
    static bool setStartDate(std::optional<Date> date, QString* error = nullptr);

    // Decimals shown for amounts: 1, 2 or 3; 2 is stored on the first read.
    static int getFloatValuePrecisionDigits();
    static bool setFloatValuePrecisionDigits(int digits, QString* error = nullptr);

    // Whether new fill-ups record their position; YES is stored on the first read.
    static bool getGPSFlag();
    static bool setGPSFlag(bool on, QString* error = nullptr);

    // Where the first read of the start date takes its default from: the current car's earliest
    // fill-up, or its registration when it has none. The session's car manager supplies it for
    // as long as it lives; without one, or when it has no answer, the default is the moment of
    // the read. When it cannot read the store (the reason in *error) nothing is stored and the
    // period starts now for that read.
    using StartDateDefault = std::function<std::optional<Date>(QString* error)>;
    static void setStartDateDefault(StartDateDefault source);

    // The values last read from the file and the bytes they were read from; the session keeps
    // them, so that the file is parsed again only when its bytes changed.
    struct Snapshot
    {
        QByteArray bytes;
        QVariantMap values;
        bool read = false;
    };
};
