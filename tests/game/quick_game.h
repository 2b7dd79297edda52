// The state of a program just started, with a computer that answers at once and
// the same way every run: shallow, no time limit, a clock that stands still.
#pragma once

#include "display/grid.h"
#include "display/status.h"
#include "engine/clock.h"
#include "engine/search.h"
#include "game/game.h"

inline int64_t standing_clock()
{
    return 1000;
}

inline void start_quick_game()
{
    game = Game{EMPTY_BOARD, HUMAN, SIX_MEN_TO_PLACE, 1, {}, SELECT, NO_POINT, NO_POINT};
    shown_turn = 0;
    status_text = HUMAN_TURN_TEXT;
    max_depth = 2;
    time_limit_on = 0;
    time_limit_seconds = DEFAULT_TIME_LIMIT_SECONDS;
    iteration_depth = MAX_ITERATION_DEPTH;
    positions_traversed = 0;
    time_left = 0;
    clock_source = standing_clock;
    init_display();
}

// What the program's own start leaves for the next test.
inline void end_quick_game()
{
    clock_source = system_clock_seconds;
    progress_painter = nullptr;
    time_limit_on = 1;
    max_depth = MAX_ITERATION_DEPTH;
}
