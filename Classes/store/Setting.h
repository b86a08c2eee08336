#pragma once

#include "platform/Date.h"

#include <QString>

#include <functional>
#include <optional>

// The four preferences, kept in "preferences.ini" inside the documents directory. Every setter
// writes through at once, so a value survives a crash right after it was set; it returns false
// when the file could not be written (the value is then not kept). A default is stored on the
// first read only while the key is still unset, checked with the file locked against the other
// programs that may write it.
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
    static bool setDefaultCarID(const QString& carID);

    // The start of the statistics period: only fill-ups after it count. The first read stores
    // a default (see setStartDateDefault); a stored 0 is replaced by the moment of the read.
    static Date getStartDate();
    static bool setStartDate(std::optional<Date> date);

    // Decimals shown for amounts: 1, 2 or 3; 2 is stored on the first read.
    static int getFloatValuePrecisionDigits();
    static bool setFloatValuePrecisionDigits(int digits);

    // Whether new fill-ups record their position; YES is stored on the first read.
    static bool getGPSFlag();
    static bool setGPSFlag(bool on);

    // Where the first read of the start date takes its default from: the current car's earliest
    // fill-up, or its registration when it has none. The session's car manager supplies it for
    // as long as it lives; without one, or when it has no answer, the default is the moment of
    // the read. When it cannot read the store (the reason in *error) nothing is stored and the
    // period starts now for that read.
    using StartDateDefault = std::function<std::optional<Date>(QString* error)>;
    static void setStartDateDefault(StartDateDefault source);
};
