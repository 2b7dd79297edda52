#include "rules/movegen.h"

#include "rules/tables.h"

namespace {

// Writes one record per man of the opponent that the move may remove, or a single
// record when it closes no mill. A mill with nothing to remove writes nothing.
inline int32_t add_records(const Board* board, int32_t side, int32_t mill_point,
                           int32_t from, int32_t to, Move* out)
{
    if (forms_mill(board, side, mill_point) != 1) {
        *out = {from, to, NO_POINT, FRESH_MOVE_SCORE};
        return 1;
    }
    int32_t written = 0;
    for (int32_t k = 0; k < POINT_COUNT; ++k) {
        if (board->point[k] == -side)
            out[written++] = {from, to, k, FRESH_MOVE_SCORE};
    }
    return written;
}

} // namespace

int32_t generate_moves(Board* board, int32_t side, int32_t men_to_place, MoveList* list)
{
    int32_t count = 0;
    Move* out = list->move;
    if (men_to_place > 0) {
        for (int32_t p = 0; p < POINT_COUNT; ++p) {
            if (board->point[p] != EMPTY)
                continue;
            board->point[p] = side;
            count += add_records(board, side, p, p, NO_POINT, out + count);
            board->point[p] = EMPTY;
        }
        return count;
    }
    for (int32_t f = 0; f < POINT_COUNT; ++f) {
        if (board->point[f] != side)
            continue;
        const Neighbours& n = NEIGHBOURS.of[f];
        for (int32_t i = 0; i < n.count; ++i) {
            const int32_t t = n.to[i];
            if (board->point[t] != EMPTY)
                continue;
            board->point[f] = EMPTY;
            board->point[t] = side;
            count += add_records(board, side, t, f, t, out + count);
            board->point[f] = side;
            board->point[t] = EMPTY;
        }
    }
    return count;
}

void play_move(Board* board, const Move* move, int32_t side, int32_t* men_to_place)
{
    if (move->to == NO_POINT) {
        board->point[move->from] = side;
        --*men_to_place;
    } else {
        board->point[move->from] = EMPTY;
        board->point[move->to] = side;
    }
    if (move->remove != NO_POINT)
        board->point[move->remove] = EMPTY;
}

int32_t has_lost(Board* board, int32_t side, int32_t men_to_place, MoveList* list)
{
    if (men_to_place == 0 && count_men(board, side) < 3)
        return 1;
    return generate_moves(board, side, men_to_place, list) == 0 ? 1 : 0;
}
