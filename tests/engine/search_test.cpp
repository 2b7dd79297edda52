#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "engine/clock.h"
#include "engine/evaluate.h"
#include "engine/progress.h"
#include "engine/search.h"
#include "engine/tt.h"
#include "rules/score.h"
#include "tests/engine/search_support.h"
#include "tests/support/fixtures.h"

namespace {

// Computer on 0, 1, 9; user on 4, 6, 13. 9 -> 2 closes mill 0 and may take any
// of the three white men, leaving the user two men: a win, three times over.
const char* const MILL_WIN = "BB..W.W..B...W..";
// User on 0, 1, 2 can only get out through 4; 3 -> 4 shuts that door.
const char* const BLOCKING_WIN = "WWWB..B..B......";
// The computer's only move, 0 -> 1, walks into a lost game.
const char* const LOST_CAUSE = "B.....BW...WWBW.";

int32_t root_moves(const Board* board, int32_t men_to_place, MoveList* list)
{
    Board scratch = *board;
    return generate_moves(&scratch, COMPUTER, men_to_place, list);
}

} // namespace

using Search = SearchTest;

TEST_F(Search, RootMoveThatWinsAtOnceEndsTheSearchAfterOneIteration)
{
    struct Case {
        const char* board;
        const char* chosen; // the first winning move in generation order
    };
    const Case cases[] = {
        {MILL_WIN, "9 2 4 30000"},
        {BLOCKING_WIN, "3 4 -1 30000"},
    };
    for (const Case& c : cases) {
        const Board board = board_from(c.board);
        MoveList list;
        const int32_t n = root_moves(&board, 0, &list);
        EXPECT_EQ(search_position(&board, 0), depth_lines(1)) << c.board;
        EXPECT_EQ(move_text(best_move), c.chosen) << c.board;
        EXPECT_EQ(iteration_depth, 1) << c.board;
        EXPECT_EQ(positions_traversed, n + 1) << c.board;
    }
}

TEST_F(Search, FirstIterationValuesEachRootMoveByThePositionAfterIt)
{
    struct Case {
        const char* board;
        int32_t men_to_place;
    };
    const Case cases[] = {
        {"................", SIX_MEN_TO_PLACE},
        {"B..W.B..W..B.W..", 6},
        {".BWB.B...W...W..", 0},
        {MILL_WIN, 0},
    };
    max_depth = 1;
    for (const Case& c : cases) {
        const Board board = board_from(c.board);
        MoveList list;
        const int32_t n = root_moves(&board, c.men_to_place, &list);
        Move expected = NO_MOVE;
        for (int32_t i = 0; i < n; ++i) {
            const int32_t value = first_iteration_value(&board, c.men_to_place, &list.move[i]);
            if (expected.from == NO_POINT || value > expected.score)
                expected = {list.move[i].from, list.move[i].to, list.move[i].remove, value};
        }
        EXPECT_EQ(search_position(&board, c.men_to_place), depth_lines(1)) << c.board;
        EXPECT_EQ(move_text(best_move), move_text(expected)) << c.board;
        EXPECT_EQ(positions_traversed, n + 1) << c.board;
    }
}

// One node called directly as a leaf: what decides its value.
TEST_F(Search, TerminalTestComesBeforeTheTableAndTheTableBeforeTheEvaluation)
{
    constexpr int32_t NOT_STORED = TT_MISS;
    struct Case {
        const char* what;
        const char* board;
        Move move;
        int32_t mover;
        int32_t men_to_place;
        int32_t stored; // value put in the table for the position after the move
        int32_t expected; // EVALUATION: the static evaluation after the move
    };
    constexpr int32_t EVALUATION = 1;
    const Case cases[] = {
        {"user left with two men", MILL_WIN, {9, 2, 4, 0}, COMPUTER, 0, 77, WIN_SCORE},
        {"computer left with two men", "WW..B.B..W...B..", {9, 2, 4, 0}, HUMAN, 0, 77, LOSS_SCORE},
        {"user blocked", BLOCKING_WIN, {3, 4, -1, 0}, COMPUTER, 0, -5, WIN_SCORE},
        {"table hit at a leaf", MILL_WIN, {9, 8, -1, 0}, COMPUTER, 0, 123, 123},
        {"leaf without a hit", MILL_WIN, {9, 8, -1, 0}, COMPUTER, 0, NOT_STORED, EVALUATION},
        {"two men while placing is no loss", "BB..............", {5, -1, -1, 0}, HUMAN, 2, NOT_STORED,
         EVALUATION},
    };
    for (const Case& c : cases) {
        const Board board = board_from(c.board);
        Board after = board;
        int32_t men = c.men_to_place;
        play_move(&after, &c.move, c.mover, &men);
        prepare_search();
        iteration_depth = 1;
        if (c.stored != NOT_STORED)
            tt_store(&after, c.stored);
        const int32_t expected = c.expected == EVALUATION ? evaluate(&after, COMPUTER) : c.expected;
        const int32_t value = search(&board, c.move.from, c.move.to, c.move.remove, c.mover, BEYOND_SCORE * c.mover,
                                     1, c.men_to_place, nullptr);
        EXPECT_EQ(value, expected) << c.what;
        EXPECT_EQ(positions_traversed, 1) << c.what;
    }
}

TEST_F(Search, TableHitTakesThePlaceOfARootMovesEvaluation)
{
    // Root moves in generation order: 1-2, 9-8, then the three winning captures.
    const Board board = board_from(MILL_WIN);
    const Move plain = {9, 8, -1, 0};
    Board after = board;
    int32_t men = 0;
    play_move(&after, &plain, COMPUTER, &men);
    prepare_search();
    tt_store(&after, WIN_SCORE);
    EXPECT_EQ(run_root(&board, 0), depth_lines(1));
    EXPECT_EQ(move_text(best_move), "9 8 -1 30000");
}

namespace {

uint32_t stored_count(std::set<uint32_t>* keys)
{
    uint32_t count = 0;
    for (const TtEntry& e : transposition_table) {
        if (e.key != 0) {
            ++count;
            keys->insert(e.key);
        }
    }
    return count;
}

// Hashes of every position up to plies moves from board, the computer first.
void reachable(const Board* board, int32_t side, int32_t men_to_place, int32_t plies, std::set<uint32_t>* hashes)
{
    hashes->insert(position_hash(board));
    if (plies == 0)
        return;
    Board scratch = *board;
    MoveList list;
    if (has_lost(&scratch, side, men_to_place, &list) == 1)
        return;
    const int32_t n = generate_moves(&scratch, side, men_to_place, &list);
    for (int32_t i = 0; i < n; ++i) {
        Board after = *board;
        int32_t men = men_to_place;
        play_move(&after, &list.move[i], side, &men);
        reachable(&after, -side, men, plies - 1, hashes);
    }
}

} // namespace

TEST_F(Search, OnlyIterationsFromSixStoreAndOnlyNodesShallowerThanSix)
{
    const Board board = board_from("B.W.BW.B.W.BW..B");
    std::set<uint32_t> keys;

    max_depth = 5;
    search_position(&board, 0);
    EXPECT_EQ(stored_count(&keys), 0u);

    max_depth = 7;
    search_position(&board, 0);
    EXPECT_GT(stored_count(&keys), 0u);
    std::set<uint32_t> within_five;
    reachable(&board, COMPUTER, 0, 5, &within_five);
    for (uint32_t key : keys)
        ASSERT_TRUE(within_five.count(key)) << "stored a position deeper than 5: " << key;
}

TEST_F(Search, LosingEverywhereDoesNotStopTheDeepening)
{
    const Board board = board_from(LOST_CAUSE);
    MoveList list;
    ASSERT_EQ(root_moves(&board, 0, &list), 1);
    max_depth = 10;
    EXPECT_EQ(search_position(&board, 0), depth_lines(10));
    EXPECT_EQ(iteration_depth, 10);
    EXPECT_EQ(move_text(best_move), "0 1 -1 -30000");
    EXPECT_EQ(timed_out, 0);
}

TEST_F(Search, SameSeedSameChoiceOtherSeedsOtherChoices)
{
    const Board board = EMPTY_BOARD;
    max_depth = 3;
    std::set<int32_t> chosen;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::srand(seed);
        const std::string first = search_position(&board, SIX_MEN_TO_PLACE);
        const Move first_move = best_move;
        std::srand(seed);
        EXPECT_EQ(search_position(&board, SIX_MEN_TO_PLACE), first);
        EXPECT_EQ(move_text(best_move), move_text(first_move));
        chosen.insert(first_move.from);
    }
    EXPECT_GT(chosen.size(), 1u) << "equal moves are never shuffled";
}

namespace {

uintptr_t deepest_frame = UINTPTR_MAX;

void note_frame(WindowHandle)
{
    const auto here = reinterpret_cast<uintptr_t>(__builtin_frame_address(0));
    if (here < deepest_frame)
        deepest_frame = here;
}

int64_t clock_ticking_per_node()
{
    return CLOCK_START + positions_traversed;
}

} // namespace

TEST_F(Search, HundredAndOneNodesFitComfortablyInTheMainStack)
{
    // A refresh at every node records how deep the stack has grown; the deepest
    // leaf sits depth + 1 node frames (plus a few small ones) below this test.
    constexpr int32_t DEPTH = 6;
    constexpr uintptr_t MAIN_STACK = 8u * 1024 * 1024;
    const auto top = reinterpret_cast<uintptr_t>(__builtin_frame_address(0));
    deepest_frame = UINTPTR_MAX;
    progress_painter = note_frame;
    clock_source = clock_ticking_per_node;
    time_limit_on = 0;
    max_depth = DEPTH;
    const Board board = board_from("B.W.BW.B.W.BW..B");
    search_position(&board, 0);
    ASSERT_EQ(iteration_depth, DEPTH);
    ASSERT_LT(deepest_frame, top);
    const uintptr_t per_node = (top - deepest_frame) / (DEPTH + 1);
    RecordProperty("stack_bytes_per_node", static_cast<int>(per_node));
    EXPECT_LT(per_node * (MAX_ITERATION_DEPTH + 1), MAIN_STACK / 4) << per_node << " bytes per node";
    // One move list per node: an optimiser that inlines one node into another can
    // quietly double every frame.
    EXPECT_LT(per_node, 2 * sizeof(MoveList)) << per_node << " bytes per node";
}
