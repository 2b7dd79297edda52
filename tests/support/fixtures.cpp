#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

#include "tools/notation.h"

Board board_from(const char* text)
{
    Board board = EMPTY_BOARD;
    std::string error;
    EXPECT_TRUE(parse_board(text, &board, &error)) << error;
    return board;
}

Board random_board(std::mt19937* rng, int32_t max_men)
{
    Board board = EMPTY_BOARD;
    int32_t points[POINT_COUNT];
    for (int32_t p = 0; p < POINT_COUNT; ++p)
        points[p] = p;
    std::shuffle(points, points + POINT_COUNT, *rng);
    std::uniform_int_distribution<int32_t> men(0, max_men);
    const int32_t white = men(*rng);
    const int32_t black = men(*rng);
    for (int32_t i = 0; i < white; ++i)
        board.point[points[i]] = HUMAN;
    for (int32_t i = 0; i < black; ++i)
        board.point[points[white + i]] = COMPUTER;
    return board;
}

std::string moves_text(const MoveList* list, int32_t count)
{
    std::string text;
    for (int32_t i = 0; i < count; ++i) {
        const Move& m = list->move[i];
        text += std::to_string(m.from) + " " + std::to_string(m.to) + " " + std::to_string(m.remove) + "\n";
    }
    return text;
}
