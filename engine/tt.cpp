#include "engine/tt.h"

TtEntry transposition_table[TT_SIZE];

static_assert(sizeof(transposition_table) == 8 * 1024 * 1024);

uint32_t position_hash(const Board* board)
{
    uint32_t h = 0;
    for (int32_t p = 0; p < POINT_COUNT; ++p) {
        if (board->point[p] == COMPUTER)
            h ^= ZOBRIST_COMPUTER[p];
        else if (board->point[p] == HUMAN)
            h ^= ZOBRIST_HUMAN[p];
    }
    return h;
}

uint32_t tt_slot(uint32_t hash)
{
    return hash >> (32 - TT_INDEX_BITS);
}

void tt_store(const Board* board, int32_t score)
{
    const uint32_t h = position_hash(board);
    TtEntry& e = transposition_table[tt_slot(h)];
    if (e.key == 0) {
        e.key = h;
        e.value = score + TT_VALUE_OFFSET;
    }
}

int32_t tt_probe(const Board* board)
{
    const uint32_t h = position_hash(board);
    const TtEntry& e = transposition_table[tt_slot(h)];
    if (e.key != 0 && e.key == h)
        return e.value - TT_VALUE_OFFSET;
    return TT_MISS;
}

void tt_clear()
{
    for (TtEntry& e : transposition_table)
        e = {0, TT_MISS};
}
