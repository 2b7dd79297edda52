// Static evaluation: mobility plus 100 per man, for side against its opponent.
#pragma once

#include <cstdint>

#include "rules/board.h"
#include "rules/tables.h"

inline constexpr int32_t MAN_VALUE = 100;

// evaluate(board, -side) == -evaluate(board, side); always within +-620.
int32_t evaluate(const Board* board, int32_t side);

// evaluate(after, COMPUTER) - evaluate(board, COMPUTER), where after is board with
// point set to code: a man gained or lost, and the lines at point. Lets the search
// carry the evaluation along a move instead of scanning every leaf whole.
inline int32_t evaluation_change(const Board* board, int32_t point, int32_t code)
{
    const int32_t old = board->point[point];
    int32_t change = MAN_VALUE * (code - old);
    // A line with one end empty counts for the man at the other end.
    const int32_t emptied = (code == EMPTY) - (old == EMPTY);
    const Neighbours& n = NEIGHBOURS.of[point];
    for (int32_t k = 0; k < n.count; ++k) {
        const int32_t other = board->point[n.to[k]];
        change += other == EMPTY ? code - old : emptied * other;
    }
    return change;
}
