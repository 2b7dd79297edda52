#include <gtest/gtest.h>

#include "engine/move_exists.h"
#include "rules/movegen.h"
#include "tests/support/fixtures.h"

TEST(MoveExists, AgreesWithTheGeneratorOnRandomBoards)
{
    std::mt19937 rng(21);
    int none = 0;
    for (int i = 0; i < 30000; ++i) {
        Board board = random_board(&rng);
        for (int32_t side : {HUMAN, COMPUTER}) {
            for (int32_t men_to_place : {0, 4}) {
                MoveList list;
                const int32_t count = generate_moves(&board, side, men_to_place, &list);
                ASSERT_EQ(move_exists(&board, side, men_to_place), count > 0 ? 1 : 0)
                    << moves_text(&list, count) << " side " << side << " to place " << men_to_place;
                none += count == 0;
            }
        }
    }
    EXPECT_GT(none, 100) << "too few boards without a move to tell anything";
}

TEST(MoveExists, WorkedPositions)
{
    struct Case {
        const char* board;
        int32_t side;
        int32_t men_to_place;
        int32_t exists;
    };
    const Case cases[] = {
        {"BBB.W.W..W......", COMPUTER, 0, 0}, // every man blocked
        {"BBB.W.W.........", COMPUTER, 0, 1}, // 2 -> 9
        {"BBB.W.W..W......", HUMAN, 0, 1},
        {"WWWB..B..B...B..", HUMAN, 0, 1},    // only 1 -> 4
        {"WWWB.BB..B......", HUMAN, 3, 1},    // placing: any empty point
        // No white man to take: the placement on 2 closing mill 0 is no move,
        // but the next empty point is.
        {"BB..............", COMPUTER, 3, 1},
    };
    for (const Case& c : cases) {
        const Board board = board_from(c.board);
        EXPECT_EQ(move_exists(&board, c.side, c.men_to_place), c.exists) << c.board;
    }
}
