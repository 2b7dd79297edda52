#include <gtest/gtest.h>

#include <cstring>

#include "rules/movegen.h"
#include "tests/support/fixtures.h"
#include "tools/notation.h"

namespace {

struct Case {
    const char* name;
    const char* board;
    int32_t side;
    int32_t men_to_place;
    const char* expected; // "FROM TO REMOVE" lines
};

std::string listed(const char* text, int32_t side, int32_t men_to_place, MoveList* list, int32_t* count)
{
    Board board = board_from(text);
    *count = generate_moves(&board, side, men_to_place, list);
    return moves_text(list, *count);
}

} // namespace

TEST(GenerateMoves, ListsInOrder)
{
    const Case cases[] = {
        {"worked example, computer moves", ".BWB.B...W...W..", COMPUTER, 0,
         "1 0 -1\n1 4 2\n1 4 9\n1 4 13\n3 4 -1\n3 7 -1\n5 4 -1\n5 8 -1\n"},
        {"worked example, human moves", ".BWB.B...W...W..", HUMAN, 0,
         "9 8 -1\n9 15 -1\n13 14 -1\n13 6 -1\n"},
        {"worked example, computer places", ".BWB.B...W...W..", COMPUTER, 5,
         "0 -1 -1\n4 -1 2\n4 -1 9\n4 -1 13\n6 -1 -1\n7 -1 -1\n8 -1 -1\n10 -1 -1\n"
         "11 -1 -1\n12 -1 -1\n14 -1 -1\n15 -1 -1\n"},
        {"mill with nothing to remove is no move", "BB..............", COMPUTER, 3,
         "3 -1 -1\n4 -1 -1\n5 -1 -1\n6 -1 -1\n7 -1 -1\n8 -1 -1\n9 -1 -1\n10 -1 -1\n"
         "11 -1 -1\n12 -1 -1\n13 -1 -1\n14 -1 -1\n15 -1 -1\n"},
        {"a removal per opponent man, ascending", "BB..W.W.........", COMPUTER, 3,
         "2 -1 4\n2 -1 6\n3 -1 -1\n5 -1 -1\n7 -1 -1\n8 -1 -1\n9 -1 -1\n10 -1 -1\n"
         "11 -1 -1\n12 -1 -1\n13 -1 -1\n14 -1 -1\n15 -1 -1\n"},
        {"two mills at once remove one man", ".BB.W.B......B..", COMPUTER, 1,
         "0 -1 4\n3 -1 -1\n5 -1 -1\n7 -1 -1\n8 -1 -1\n9 -1 -1\n10 -1 -1\n11 -1 -1\n"
         "12 -1 -1\n14 -1 -1\n15 -1 -1\n"},
        {"blocked corners, only the midpoint moves", "BBB...W..W......", COMPUTER, 0, "1 4 -1\n"},
        {"everything blocked", "BBB.W.W..W......", COMPUTER, 0, ""},
        {"returning to a mill forms it again", "BB..W.W..B...W..", COMPUTER, 0,
         "1 2 -1\n9 8 -1\n9 2 4\n9 2 6\n9 2 13\n9 15 -1\n"},
        {"below zero is the movement phase", "BB..W.W..B...W..", COMPUTER, -3,
         "1 2 -1\n9 8 -1\n9 2 4\n9 2 6\n9 2 13\n9 15 -1\n"},
        {"three men move like any other, no flying", "B......B......B.", COMPUTER, 0,
         "0 1 -1\n0 6 -1\n7 6 -1\n7 10 -1\n7 3 -1\n14 13 -1\n14 15 -1\n14 11 -1\n"},
    };
    MoveList list;
    for (const Case& c : cases) {
        int32_t count = 0;
        EXPECT_EQ(listed(c.board, c.side, c.men_to_place, &list, &count), c.expected) << c.name;
    }
}

TEST(GenerateMoves, EmptyBoardPlacesEverywhereForEitherSide)
{
    for (int32_t side : {HUMAN, COMPUTER}) {
        Board board = EMPTY_BOARD;
        MoveList list;
        ASSERT_EQ(generate_moves(&board, side, 12, &list), POINT_COUNT);
        for (int32_t p = 0; p < POINT_COUNT; ++p) {
            const Move& m = list.move[p];
            EXPECT_EQ(m.from, p);
            EXPECT_EQ(m.to, NO_POINT);
            EXPECT_EQ(m.remove, NO_POINT);
            EXPECT_EQ(m.score, FRESH_MOVE_SCORE);
        }
    }
    EXPECT_EQ(FRESH_MOVE_SCORE, -32000);
}

TEST(GenerateMoves, LeavesBoardAndUnusedEntriesAlone)
{
    std::mt19937 rng(11);
    static MoveList list;
    Move sentinel = {77, 77, 77, 77};
    for (int i = 0; i < 5000; ++i) {
        const Board before = random_board(&rng);
        for (int32_t side : {HUMAN, COMPUTER}) {
            for (int32_t men_to_place : {0, 4}) {
                for (Move& m : list.move)
                    m = sentinel;
                Board board = before;
                const int32_t count = generate_moves(&board, side, men_to_place, &list);
                ASSERT_EQ(std::memcmp(&board, &before, sizeof board), 0);
                ASSERT_LE(count, MAX_LISTED_MOVES);
                for (int32_t k = 0; k < count; ++k) {
                    const Move& m = list.move[k];
                    ASSERT_EQ(m.score, FRESH_MOVE_SCORE);
                    ASSERT_EQ(before.point[m.from], men_to_place > 0 ? EMPTY : side);
                    if (m.remove != NO_POINT) {
                        ASSERT_EQ(before.point[m.remove], -side);
                    }
                }
                ASSERT_EQ(list.move[count].from, 77);
            }
        }
    }
}

TEST(PlayMove, AppliesEachKindOfMove)
{
    struct Case {
        const char* before;
        Move move;
        int32_t side;
        const char* after;
        int32_t men_to_place_after;
    };
    const Case cases[] = {
        {"................", {3, NO_POINT, NO_POINT, 0}, HUMAN, "...W............", 11},
        {"BB..W...........", {2, NO_POINT, 4, 0}, COMPUTER, "BBB.............", 11},
        {"BB..W...........", {4, 5, NO_POINT, 0}, HUMAN, "BB...W..........", 12},
        {"BB..W....B......", {9, 2, 4, 0}, COMPUTER, "BBB.............", 12},
    };
    for (const Case& c : cases) {
        Board board = board_from(c.before);
        int32_t men_to_place = 12;
        play_move(&board, &c.move, c.side, &men_to_place);
        EXPECT_EQ(format_board(&board), c.after) << c.before;
        EXPECT_EQ(men_to_place, c.men_to_place_after) << c.before;
    }
}
