// Static evaluation: mobility plus 100 per man, for side against its opponent.
#pragma once

#include <cstdint>

#include "rules/board.h"

inline constexpr int32_t MAN_VALUE = 100;

// evaluate(board, -side) == -evaluate(board, side); always within +-620.
int32_t evaluate(const Board* board, int32_t side);
