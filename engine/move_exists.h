// The loss rule's question without the list: has a side any legal move at all?
#pragma once

#include <cstdint>

#include "rules/board.h"

// 1 exactly when generate_moves(board, side, men_to_place, list) would list a move,
// else 0. Cheaper than listing: it stops at the first candidate.
int32_t move_exists(const Board* board, int32_t side, int32_t men_to_place);
