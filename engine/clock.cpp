#include "engine/clock.h"

#include <ctime>

int64_t system_clock_seconds()
{
    return static_cast<int64_t>(std::time(nullptr));
}

ClockSource clock_source = system_clock_seconds;
