#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "rules/tables.h"
#include "tests/support/fixtures.h"

TEST(Adjacency, EveryLineListedOnceEachWayAndSortedByFrom)
{
    std::set<std::pair<int32_t, int32_t>> steps;
    for (int32_t i = 0; i < ADJACENCY_COUNT; ++i) {
        const int32_t f = ADJACENCY[i][0];
        const int32_t t = ADJACENCY[i][1];
        EXPECT_TRUE(steps.insert({f, t}).second) << f << "-" << t;
        if (i > 0) {
            EXPECT_LE(ADJACENCY[i - 1][0], f);
        }
    }
    for (const auto& [f, t] : steps)
        EXPECT_TRUE(steps.count({t, f})) << f << "-" << t << " has no way back";
}

TEST(Adjacency, NeighboursKeepTableOrder)
{
    // The destinations of 4, 6 and 14 are deliberately not ascending.
    EXPECT_EQ(NEIGHBOURS.of[4].count, 3);
    EXPECT_EQ(NEIGHBOURS.of[4].to[0], 3);
    EXPECT_EQ(NEIGHBOURS.of[4].to[1], 5);
    EXPECT_EQ(NEIGHBOURS.of[4].to[2], 1);
    EXPECT_EQ(NEIGHBOURS.of[6].to[2], 0);
    EXPECT_EQ(NEIGHBOURS.of[14].to[2], 11);
    int32_t total = 0;
    for (const Neighbours& n : NEIGHBOURS.of)
        total += n.count;
    EXPECT_EQ(total, ADJACENCY_COUNT);
}

// Straight from the definition: every mill, no shortcut through MILLS_THROUGH.
static int32_t reference_forms_mill(const Board* board, int32_t side, int32_t point)
{
    int32_t result = 0;
    for (const auto& mill : MILLS) {
        const bool through = mill[0] == point || mill[1] == point || mill[2] == point;
        if (through && board->point[mill[0]] == side && board->point[mill[1]] == side &&
            board->point[mill[2]] == side)
            result = 1;
    }
    return result;
}

TEST(FormsMill, Cases)
{
    struct Case {
        const char* board;
        int32_t side;
        int32_t point;
        int32_t expected;
    };
    const Case cases[] = {
        {"................", COMPUTER, 0, 0},
        {"BBB.B...........", COMPUTER, 0, 1},
        {"BBB.B...........", COMPUTER, 2, 1},
        {"BBB.B...........", COMPUTER, 4, 0}, // mill 0 complete but not through 4
        {"BBB.B...........", HUMAN, 1, 0},
        {"BBB...B......B..", COMPUTER, 0, 1}, // two mills through the corner
        {"BBB...B......B..", COMPUTER, 14, 0},
        {".B..B......B..B.", COMPUTER, 1, 0}, // the centre line is no mill
        {".B..B......B..B.", COMPUTER, 11, 0},
        {"WWWWWW..........", HUMAN, 4, 1},
    };
    for (const Case& c : cases) {
        const Board board = board_from(c.board);
        EXPECT_EQ(forms_mill(&board, c.side, c.point), c.expected) << c.board << " at " << c.point;
    }
}

TEST(FormsMill, AgreesWithEveryMillScanOnRandomBoards)
{
    std::mt19937 rng(7);
    for (int i = 0; i < 2000; ++i) {
        const Board board = random_board(&rng);
        for (int32_t side : {HUMAN, COMPUTER})
            for (int32_t p = 0; p < POINT_COUNT; ++p)
                ASSERT_EQ(forms_mill(&board, side, p), reference_forms_mill(&board, side, p));
    }
}

TEST(CountMen, CountsEachSide)
{
    EXPECT_EQ(count_men(&EMPTY_BOARD, HUMAN), 0);
    EXPECT_EQ(count_men(&EMPTY_BOARD, COMPUTER), 0);
    const Board board = board_from(".BWB.B...W...W..");
    EXPECT_EQ(count_men(&board, HUMAN), 3);
    EXPECT_EQ(count_men(&board, COMPUTER), 3);
}
