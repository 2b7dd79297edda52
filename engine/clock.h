// The wall clock in whole seconds, read through a source that tests can script.
#pragma once

#include <cstdint>

using ClockSource = int64_t (*)();

// time(nullptr) unless replaced.
extern ClockSource clock_source;

int64_t system_clock_seconds();

inline int64_t clock_seconds()
{
    return clock_source();
}
