// The search's progress refresh, about once a second: the window is painted by
// whatever the program installs, the figures are the search's own.
#pragma once

#include "platform/handles.h"

using ProgressPainter = void (*)(WindowHandle window);

// Paints the board and the side panel into window and lets pending repaints run.
// Null paints nothing. With the time limit on, a painter that sets timed_out to 1
// makes the search unwind as if its time had run out.
extern ProgressPainter progress_painter;

// Paints first, so the panel shows the time_left of the refresh before; then
// brings last_refresh and time_left up to date.
void progress_refresh(WindowHandle window);
