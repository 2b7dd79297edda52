#include "engine/search_state.h"

#include "engine/clock.h"
#include "engine/tt.h"

int32_t max_depth = MAX_ITERATION_DEPTH;
int32_t iteration_depth = MAX_ITERATION_DEPTH; // nothing to show before the first search
Move best_move = NO_MOVE;
int32_t iterative_deepening_on = 1;
int32_t time_limit_on = 1;
int32_t time_limit_seconds = DEFAULT_TIME_LIMIT_SECONDS;
int32_t timed_out = 0;
int64_t search_start = 0;
int64_t last_refresh = 0;
int32_t time_left = 0;
int64_t positions_traversed = 0;

void prepare_search()
{
    positions_traversed = 0;
    best_move = NO_MOVE;
    tt_clear();
    timed_out = 0;
    search_start = clock_seconds();
    last_refresh = clock_seconds();
}
