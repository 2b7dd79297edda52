// The position: 16 points on two concentric squares, and who holds each one.
#pragma once

#include <cstdint>

inline constexpr int32_t HUMAN = -1;
inline constexpr int32_t EMPTY = 0;
inline constexpr int32_t COMPUTER = 1;

inline constexpr int32_t POINT_COUNT = 16;
inline constexpr int32_t NO_POINT = -1;

// Men each side places in the two variants; men_to_place starts at twice this.
inline constexpr int32_t SIX_MEN = 6;
inline constexpr int32_t FIVE_MEN = 5;
inline constexpr int32_t SIX_MEN_TO_PLACE = 2 * SIX_MEN;
inline constexpr int32_t FIVE_MEN_TO_PLACE = 2 * FIVE_MEN;
inline constexpr int32_t MAX_MEN_PER_SIDE = SIX_MEN;

// Points are numbered row by row from the bottom of the board, left to right.
// Only HUMAN, EMPTY and COMPUTER ever stand on a point.
struct Board {
    int32_t point[POINT_COUNT];
};

inline constexpr Board EMPTY_BOARD = {};

// The number of points of board that hold side.
int32_t count_men(const Board* board, int32_t side);
