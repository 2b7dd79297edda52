#include "engine/evaluate.h"

#include "rules/tables.h"

int32_t evaluate(const Board* board, int32_t side)
{
    // Sum in the computer's terms and flip once: a Board holds only -1, 0 and +1,
    // so each man's steps to empty points count with the sign of its owner.
    int32_t score = 0;
    for (int32_t i = 0; i < POINT_COUNT; ++i) {
        const int32_t owner = board->point[i];
        if (owner == EMPTY)
            continue;
        const Neighbours& n = NEIGHBOURS.of[i];
        int32_t steps = 0;
        for (int32_t k = 0; k < n.count; ++k)
            steps += board->point[n.to[k]] == EMPTY;
        score += owner * (steps + MAN_VALUE);
    }
    return score * side;
}
