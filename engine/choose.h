// The move the computer plays once its search has returned.
#pragma once

#include <cstdint>

#include "rules/board.h"
#include "rules/movegen.h"

// best_move when an iteration was completed. Otherwise the time limit struck in
// the first iteration: the best move it had valued, or, failing that, the first
// legal move. NO_MOVE only when the computer has no legal move on board.
Move choose_move(const Board* board, int32_t men_to_place);
