#include "engine/move_exists.h"

#include "rules/tables.h"

namespace {

// With no opponent man to take, a move that closes a mill lists no record.
int32_t exists_without_removal(const Board* board, int32_t side, int32_t men_to_place)
{
    Board scratch = *board;
    if (men_to_place > 0) {
        for (int32_t p = 0; p < POINT_COUNT; ++p) {
            if (scratch.point[p] != EMPTY)
                continue;
            scratch.point[p] = side;
            const int32_t mill = forms_mill(&scratch, side, p);
            scratch.point[p] = EMPTY;
            if (mill == 0)
                return 1;
        }
        return 0;
    }
    for (int32_t f = 0; f < POINT_COUNT; ++f) {
        if (scratch.point[f] != side)
            continue;
        const Neighbours& n = NEIGHBOURS.of[f];
        for (int32_t i = 0; i < n.count; ++i) {
            const int32_t t = n.to[i];
            if (scratch.point[t] != EMPTY)
                continue;
            scratch.point[f] = EMPTY;
            scratch.point[t] = side;
            const int32_t mill = forms_mill(&scratch, side, t);
            scratch.point[f] = side;
            scratch.point[t] = EMPTY;
            if (mill == 0)
                return 1;
        }
    }
    return 0;
}

inline bool has_man(const Board* board, int32_t side)
{
    for (int32_t p = 0; p < POINT_COUNT; ++p) {
        if (board->point[p] == side)
            return true;
    }
    return false;
}

} // namespace

int32_t move_exists(const Board* board, int32_t side, int32_t men_to_place)
{
    if (!has_man(board, -side))
        return exists_without_removal(board, side, men_to_place);
    // Every candidate lists at least one record: any empty point to place on, or
    // any step to an empty neighbour.
    if (men_to_place > 0) {
        for (int32_t p = 0; p < POINT_COUNT; ++p) {
            if (board->point[p] == EMPTY)
                return 1;
        }
        return 0;
    }
    for (int32_t f = 0; f < POINT_COUNT; ++f) {
        if (board->point[f] != side)
            continue;
        const Neighbours& n = NEIGHBOURS.of[f];
        for (int32_t i = 0; i < n.count; ++i) {
            if (board->point[n.to[i]] == EMPTY)
                return 1;
        }
    }
    return 0;
}
