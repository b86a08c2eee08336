#include "platform/Clock.h"

#include <chrono>

namespace {

std::optional<Date>& fixedNow()
{
    static std::optional<Date> moment;
    return moment;
}

} // namespace

Date Clock::now()
{
    if (fixedNow())
        return *fixedNow();
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return Date(std::chrono::duration<double>(sinceEpoch).count());
}

void Clock::setFixedNow(std::optional<Date> moment)
{
    fixedNow() = moment;
}
