#include "rules/board.h"

int32_t count_men(const Board* board, int32_t side)
{
    int32_t count = 0;
    for (int32_t p = 0; p < POINT_COUNT; ++p)
        count += board->point[p] == side;
    return count;
}
