#pragma once

#include <QString>

// What the location service hands its delegate when position updates fail: a domain and a
// code, nothing more. The source's own reason is not passed on; whatever it was, the updates
// have ended and restarting them is the caller's decision.
struct LocationError
{
    QString domain;
    int code = 0;
};
