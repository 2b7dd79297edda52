#include <gtest/gtest.h>

#include "rules/movegen.h"
#include "tests/support/fixtures.h"

TEST(HasLost, Cases)
{
    struct Case {
        const char* name;
        const char* board;
        int32_t side;
        int32_t men_to_place;
        int32_t expected;
    };
    const Case cases[] = {
        {"two men lose in the movement phase though they could move", "B.....B...W.W.W.", COMPUTER, 0, 1},
        {"three mobile men have not lost", "B.....B....BW.W.", COMPUTER, 0, 0},
        {"three men all blocked have lost", "BBB.W.W..W......", COMPUTER, 0, 1},
        {"four men all blocked have lost", "BBB.W.W..W...BW.", COMPUTER, 0, 1},
        {"no men while placing is no loss", "................", HUMAN, 12, 0},
        {"one man while placing is no loss", "W...............", HUMAN, 3, 0},
        {"two men while placing is no loss", "WW...........BBB", HUMAN, 1, 0},
        {"opponent's count does not matter", "WW..........BBB.", COMPUTER, 0, 0},
    };
    MoveList list;
    for (const Case& c : cases) {
        Board board = board_from(c.board);
        EXPECT_EQ(has_lost(&board, c.side, c.men_to_place, &list), c.expected) << c.name;
    }
}

TEST(HasLost, PlacingWhenEveryPlacementIsAMillWithNothingToRemove)
{
    Board board = EMPTY_BOARD;
    for (int32_t p = 0; p < POINT_COUNT; ++p)
        board.point[p] = p == 2 ? EMPTY : COMPUTER;
    MoveList list;
    EXPECT_EQ(has_lost(&board, COMPUTER, 1, &list), 1);
    board.point[15] = HUMAN;
    EXPECT_EQ(has_lost(&board, COMPUTER, 1, &list), 0);
}
