// Zobrist hash of a placement of men, and the transposition table it addresses.
#pragma once

#include <cstdint>

#include "rules/board.h"

inline constexpr int32_t TT_INDEX_BITS = 20;
inline constexpr int32_t TT_SIZE = 1 << TT_INDEX_BITS;
inline constexpr int32_t TT_MISS = 9999;        // never a score
inline constexpr int32_t TT_VALUE_OFFSET = 30000; // keeps stored values non-negative

inline constexpr uint32_t ZOBRIST_COMPUTER[POINT_COUNT] = {
    0xBA798B0A, 0x7D2CBC0C, 0x1E6D5722, 0x63A60794, 0xDF9CC115, 0x57FEAC38,
    0x44DE4330, 0x9B7ACE91, 0x5939EAF6, 0x2D677919, 0x6167E566, 0x45299150,
    0x5107BBF0, 0xED342ECE, 0xC434BFDA, 0x1A1E95BD,
};
inline constexpr uint32_t ZOBRIST_HUMAN[POINT_COUNT] = {
    0xBC343628, 0x7E03DF13, 0x412DF153, 0x74233A2F, 0x538EB9D9, 0xEEC3AD09,
    0x3DEF8DF8, 0x5563C6D4, 0x5DED9F7D, 0x44B2FD85, 0x3035F35E, 0x7C15D30E,
    0x01FC9A30, 0x58E49AB5, 0x69975C9D, 0x44E9FD2A,
};

// key 0 marks an empty slot; value is the score plus TT_VALUE_OFFSET.
struct TtEntry {
    uint32_t key;
    int32_t value;
};

extern TtEntry transposition_table[TT_SIZE];

// The keys indexed by side code + 1, with zero for an empty point, so that a hash
// is a plain XOR over the points and a move changes it by a few keys.
inline constexpr auto ZOBRIST_BY_CODE = [] {
    struct Keys {
        uint32_t of[3][POINT_COUNT];
    } keys = {};
    for (int32_t p = 0; p < POINT_COUNT; ++p) {
        keys.of[HUMAN + 1][p] = ZOBRIST_HUMAN[p];
        keys.of[COMPUTER + 1][p] = ZOBRIST_COMPUTER[p];
    }
    return keys;
}();

inline uint32_t zobrist_key(int32_t code, int32_t point)
{
    return ZOBRIST_BY_CODE.of[code + 1][point];
}

uint32_t position_hash(const Board* board);

inline uint32_t tt_slot(uint32_t hash)
{
    return hash >> (32 - TT_INDEX_BITS);
}

// The same operations for a position whose hash the caller already has.
inline void tt_store_hashed(uint32_t hash, int32_t score)
{
    TtEntry& e = transposition_table[tt_slot(hash)];
    if (e.key == 0) {
        e.key = hash;
        e.value = score + TT_VALUE_OFFSET;
    }
}

inline int32_t tt_probe_hashed(uint32_t hash)
{
    const TtEntry& e = transposition_table[tt_slot(hash)];
    if (e.key != 0 && e.key == hash)
        return e.value - TT_VALUE_OFFSET;
    return TT_MISS;
}

// Starts loading the slot of hash so that a later probe finds it in cache.
inline void tt_prefetch(uint32_t hash)
{
    __builtin_prefetch(&transposition_table[tt_slot(hash)]);
}

// The first position stored in a slot keeps it until the next tt_clear.
void tt_store(const Board* board, int32_t score);
// The stored score, or TT_MISS.
int32_t tt_probe(const Board* board);
void tt_clear();
