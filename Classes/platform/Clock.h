#pragma once

#include "platform/Date.h"

#include <optional>

// The one source of "now". Tests pin it to a fixed moment so that figures depending on the
// current time (default start date, modification stamps, filler dates) can be checked.
class Clock
{
public:
    static Date now();

    // std::nullopt returns to the system clock.
    static void setFixedNow(std::optional<Date> moment);
};
