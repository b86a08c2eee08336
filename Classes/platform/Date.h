#pragma once

#include <compare>

// A moment in time, as seconds since 1970-01-01 00:00:00 UTC with their fraction.
// The store writes these exact doubles and its period filter compares against them, so the
// fraction must survive every round trip; a millisecond type would not do.
class Date
{
public:
    constexpr explicit Date(double secondsSince1970)
        : m_seconds(secondsSince1970)
    { }

    constexpr double timeIntervalSince1970() const { return m_seconds; }
    constexpr Date addingTimeInterval(double seconds) const { return Date(m_seconds + seconds); }

    friend constexpr auto operator<=>(const Date&, const Date&) = default;

private:
    double m_seconds;
};
