#include "engine/progress.h"

#include "engine/clock.h"
#include "engine/search_state.h"

ProgressPainter progress_painter = nullptr;

void progress_refresh(WindowHandle window)
{
    if (progress_painter != nullptr)
        progress_painter(window);
    last_refresh = clock_seconds();
    time_left = static_cast<int32_t>(search_start + time_limit_seconds - clock_seconds());
}
