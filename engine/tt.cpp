#include "engine/tt.h"

#include <cstring>

#if defined(__linux__)
#include <sys/mman.h>
#endif

// Probes land anywhere in the 8 MiB, so with small pages nearly every probe also
// misses the TLB, and under virtualisation that walk costs more than the probe.
// Where the system grants huge pages on request, the table asks for them.
#if defined(__linux__)
inline constexpr size_t TABLE_ALIGNMENT = size_t{2} * 1024 * 1024; // one huge page
#else
inline constexpr size_t TABLE_ALIGNMENT = alignof(TtEntry);
#endif
alignas(TABLE_ALIGNMENT) TtEntry transposition_table[TT_SIZE];

#if defined(__linux__)
namespace {
[[maybe_unused]] const int huge_pages_requested =
    madvise(transposition_table, sizeof transposition_table, MADV_HUGEPAGE);
}
#endif

static_assert(sizeof(transposition_table) == 8 * 1024 * 1024);

uint32_t position_hash(const Board* board)
{
    uint32_t h = 0;
    for (int32_t p = 0; p < POINT_COUNT; ++p)
        h ^= zobrist_key(board->point[p], p);
    return h;
}

void tt_store(const Board* board, int32_t score)
{
    tt_store_hashed(position_hash(board), score);
}

int32_t tt_probe(const Board* board)
{
    return tt_probe_hashed(position_hash(board));
}

void tt_clear()
{
    // Copied a cache line at a time: wide stores instead of two per slot, since the
    // search clears all 8 MiB before every search and every iteration from 6 on.
    constexpr int32_t SLOTS_PER_BLOCK = 8;
    static_assert(TT_SIZE % SLOTS_PER_BLOCK == 0);
    TtEntry block[SLOTS_PER_BLOCK];
    for (TtEntry& e : block)
        e = {0, TT_MISS};
    for (int32_t i = 0; i < TT_SIZE; i += SLOTS_PER_BLOCK)
        std::memcpy(&transposition_table[i], block, sizeof block);
}
