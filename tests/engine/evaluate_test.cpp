#include <gtest/gtest.h>

#include "engine/evaluate.h"
#include "rules/tables.h"
#include "tests/support/fixtures.h"

// The definition, scanning the whole step table for every man.
static int32_t reference_evaluate(const Board* board, int32_t side)
{
    int32_t mobility = 0;
    for (int32_t i = 0; i < POINT_COUNT; ++i) {
        if (board->point[i] == EMPTY)
            continue;
        for (const auto& step : ADJACENCY) {
            if (step[0] == i && board->point[step[1]] == EMPTY)
                mobility += board->point[i] == side ? 1 : -1;
        }
    }
    return mobility + 100 * count_men(board, side) - 100 * count_men(board, -side);
}

TEST(Evaluate, WorkedValues)
{
    struct Case {
        const char* board;
        int32_t for_computer;
    };
    const Case cases[] = {
        {"................", 0},
        {".BWB.B...W...W..", 2},
        {".BWB.B...W......", 104},
        {"....B...........", 103},
        {"B...............", 102},
        {"BBB.W.W..W......", -6},
    };
    for (const Case& c : cases) {
        const Board board = board_from(c.board);
        EXPECT_EQ(evaluate(&board, COMPUTER), c.for_computer) << c.board;
        EXPECT_EQ(evaluate(&board, HUMAN), -c.for_computer) << c.board;
    }
}

TEST(Evaluate, MatchesDefinitionAndIsSymmetricOnRandomBoards)
{
    std::mt19937 rng(13);
    for (int i = 0; i < 20000; ++i) {
        const Board board = random_board(&rng);
        const int32_t value = evaluate(&board, COMPUTER);
        ASSERT_EQ(value, reference_evaluate(&board, COMPUTER));
        ASSERT_EQ(evaluate(&board, HUMAN), -value);
        ASSERT_LE(value, 620);
        ASSERT_GE(value, -620);
    }
}

TEST(Evaluate, ChangeOfOnePointMatchesAFreshEvaluation)
{
    std::mt19937 rng(17);
    std::uniform_int_distribution<int32_t> point(0, POINT_COUNT - 1);
    for (int i = 0; i < 20000; ++i) {
        const Board board = random_board(&rng);
        const int32_t p = point(rng);
        for (int32_t code : {HUMAN, EMPTY, COMPUTER}) {
            Board after = board;
            after.point[p] = code;
            ASSERT_EQ(evaluation_change(&board, p, code), evaluate(&after, COMPUTER) - evaluate(&board, COMPUTER))
                << "point " << p << " to " << code;
        }
    }
}
