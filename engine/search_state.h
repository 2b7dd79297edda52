// The search's process-wide state: its limits, its progress figures and its choice.
#pragma once

#include <cstdint>

#include "rules/movegen.h"

inline constexpr int32_t MAX_ITERATION_DEPTH = 100;
inline constexpr int32_t DEFAULT_TIME_LIMIT_SECONDS = 10;

extern int32_t max_depth;       // deepest root iteration that may run
extern int32_t iteration_depth; // iteration under way or last started; nodes this deep are leaves
extern Move best_move;          // choice of the last completed iteration, NO_MOVE if none
extern int32_t iterative_deepening_on;
extern int32_t time_limit_on;
extern int32_t time_limit_seconds;
extern int32_t timed_out;
// Clock readings in whole seconds; 64-bit so that they outlive January 2038.
extern int64_t search_start;
extern int64_t last_refresh;
extern int32_t time_left;           // as of the last progress refresh; may be negative
extern int64_t positions_traversed; // nodes finished; 64-bit, as fast searches pass 2^31 in minutes

// What the game loop does before every search: counters and choice reset, the
// table emptied, the clock read for the start and for the refresh.
void prepare_search();
