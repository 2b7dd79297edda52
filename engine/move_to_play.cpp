#include "engine/search.h"

Move move_to_play(const Board* board, int32_t men_to_place)
{
    if (best_move.from != NO_POINT)
        return best_move;
    if (first_iteration_best.from != NO_POINT)
        return first_iteration_best;
    Board scratch = *board;
    MoveList list;
    if (generate_moves(&scratch, COMPUTER, men_to_place, &list) == 0)
        return NO_MOVE;
    return list.move[0];
}
