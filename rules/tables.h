// The board's fixed tables: the eight mills and the forty steps along the lines.
#pragma once

#include <cstdint>

#include "rules/board.h"

inline constexpr int32_t MILL_COUNT = 8;
inline constexpr int32_t MILL_SIZE = 3;
inline constexpr int32_t ADJACENCY_COUNT = 40;
inline constexpr int32_t MAX_NEIGHBOURS = 3;

// In the order forms_mill examines them.
inline constexpr int32_t MILLS[MILL_COUNT][MILL_SIZE] = {
    {0, 1, 2},  {3, 4, 5},  {10, 11, 12}, {13, 14, 15},
    {0, 6, 13}, {3, 7, 10}, {5, 8, 12},   {2, 9, 15},
};

// Directed steps (from, to), ascending by from. Within one from the order is
// deliberate and not ascending: move generation lists moves in exactly this order.
inline constexpr int32_t ADJACENCY[ADJACENCY_COUNT][2] = {
    {0, 1},   {0, 6},                     //
    {1, 0},   {1, 2},   {1, 4},           //
    {2, 1},   {2, 9},                     //
    {3, 4},   {3, 7},                     //
    {4, 3},   {4, 5},   {4, 1},           //
    {5, 4},   {5, 8},                     //
    {6, 7},   {6, 13},  {6, 0},           //
    {7, 6},   {7, 10},  {7, 3},           //
    {8, 9},   {8, 5},   {8, 12},          //
    {9, 8},   {9, 2},   {9, 15},          //
    {10, 11}, {10, 7},                    //
    {11, 10}, {11, 12}, {11, 14},         //
    {12, 11}, {12, 8},                    //
    {13, 14}, {13, 6},                    //
    {14, 13}, {14, 15}, {14, 11},         //
    {15, 14}, {15, 9},                    //
};

// The ADJACENCY table regrouped by point, destinations in table order, so that
// hot loops visit one point's steps without scanning all forty entries.
struct Neighbours {
    int32_t count;
    int32_t to[MAX_NEIGHBOURS];
};

inline constexpr auto NEIGHBOURS = [] {
    struct Table {
        Neighbours of[POINT_COUNT];
    } table = {};
    for (const auto& step : ADJACENCY) {
        Neighbours& n = table.of[step[0]];
        n.to[n.count++] = step[1];
    }
    return table;
}();

// The mills through each point, in MILLS order (two for a corner, one for a midpoint).
struct MillsThrough {
    int32_t count;
    int32_t mill[2];
};

inline constexpr auto MILLS_THROUGH = [] {
    struct Table {
        MillsThrough of[POINT_COUNT];
    } table = {};
    for (int32_t m = 0; m < MILL_COUNT; ++m) {
        for (int32_t p : MILLS[m]) {
            MillsThrough& t = table.of[p];
            t.mill[t.count++] = m;
        }
    }
    return table;
}();

// 1 when some mill through point holds side on all three of its points, else 0.
// Callers put side on point first. Inline: move generation calls it per candidate.
inline int32_t forms_mill(const Board* board, int32_t side, int32_t point)
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
