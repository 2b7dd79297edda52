#include "rules/tables.h"

int32_t forms_mill(const Board* board, int32_t side, int32_t point)
{
    const MillsThrough& through = MILLS_THROUGH.of[point];
    for (int32_t i = 0; i < through.count; ++i) {
        const int32_t* mill = MILLS[through.mill[i]];
        if (board->point[mill[0]] == side && board->point[mill[1]] == side &&
            board->point[mill[2]] == side)
            return 1;
    }
    return 0;
}
