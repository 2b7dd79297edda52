#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/clock.h"
#include "engine/progress.h"
#include "engine/search.h"
#include "rules/score.h"
#include "tests/engine/search_support.h"
#include "tests/support/fixtures.h"

namespace {

constexpr int32_t LIMIT = 5;
const char* const PLACING = "B..W.B..W..B.W..";
constexpr int32_t PLACING_MEN = 6;

// Settings of the scripted clocks below.
int32_t late_iteration = 0;
int32_t late_after_nodes = 0;
int64_t late_reading = 0;

int64_t clock_late_from_iteration()
{
    return iteration_depth >= late_iteration ? late_reading : clock_now;
}

int64_t clock_late_after_nodes()
{
    return positions_traversed >= late_after_nodes ? late_reading : clock_now;
}

int64_t clock_one_second_per_node()
{
    return CLOCK_START + positions_traversed;
}

int painter_calls = 0;
std::vector<int32_t> shown_time_left;

void recording_painter(WindowHandle)
{
    ++painter_calls;
    shown_time_left.push_back(time_left);
}

void closing_painter(WindowHandle)
{
    ++painter_calls;
    timed_out = 1;
}

class TimeLimit : public SearchTest {
protected:
    void SetUp() override
    {
        SearchTest::SetUp();
        time_limit_seconds = LIMIT;
        painter_calls = 0;
        shown_time_left.clear();
    }
};

} // namespace

TEST_F(TimeLimit, ExceededOnlyWhenMoreThanTheLimitHasPassed)
{
    struct Case {
        int64_t seconds_after_start;
        int32_t timed_out;
    };
    const Case cases[] = {{LIMIT - 1, 0}, {LIMIT, 0}, {LIMIT + 1, 1}};
    const Board board = board_from(PLACING);
    max_depth = 3;
    for (const Case& c : cases) {
        clock_now = CLOCK_START;
        prepare_search();
        clock_now = CLOCK_START + c.seconds_after_start;
        const std::string out = run_root(&board, PLACING_MEN);
        EXPECT_EQ(timed_out, c.timed_out) << c.seconds_after_start;
        if (c.timed_out == 1) {
            // The first node to finish sets it, finishes, and the rest unwinds.
            EXPECT_EQ(out, "");
            EXPECT_EQ(positions_traversed, 1);
            EXPECT_EQ(best_move.from, NO_POINT);
        } else {
            EXPECT_EQ(out, depth_lines(3));
        }
    }
}

TEST_F(TimeLimit, WithTheLimitOffTheClockIsNoStop)
{
    const Board board = board_from(PLACING);
    max_depth = 3;
    time_limit_on = 0;
    prepare_search();
    clock_now = CLOCK_START + 1000;
    EXPECT_EQ(run_root(&board, PLACING_MEN), depth_lines(3));
    EXPECT_EQ(timed_out, 0);
}

TEST_F(TimeLimit, RefreshIsDueOnceTheClockHasMovedAWholeSecond)
{
    struct Case {
        int64_t seconds_after_start;
        int calls;
        int64_t last_refresh;
        int32_t time_left;
    };
    constexpr int32_t PREVIOUS = 42; // left by an earlier search
    const Case cases[] = {
        {0, 0, CLOCK_START, PREVIOUS},
        {1, 1, CLOCK_START + 1, LIMIT - 1},
    };
    const Board board = board_from(PLACING);
    progress_painter = recording_painter;
    max_depth = 2;
    for (const Case& c : cases) {
        painter_calls = 0;
        time_left = PREVIOUS;
        clock_now = CLOCK_START;
        prepare_search();
        clock_now = CLOCK_START + c.seconds_after_start;
        run_root(&board, PLACING_MEN);
        EXPECT_EQ(painter_calls, c.calls) << c.seconds_after_start;
        EXPECT_EQ(last_refresh, c.last_refresh) << c.seconds_after_start;
        EXPECT_EQ(time_left, c.time_left) << c.seconds_after_start;
    }
}

TEST_F(TimeLimit, PanelShowsTheTimeLeftOfTheRefreshBefore)
{
    // The clock gains a second per finished node, so from the second node on every
    // node refreshes, and the k-th refresh leaves LIMIT - k.
    const Board board = board_from(PLACING);
    progress_painter = recording_painter;
    clock_source = clock_one_second_per_node;
    time_limit_on = 0;
    max_depth = 1;
    time_left = 42;
    prepare_search();
    run_root(&board, PLACING_MEN);
    ASSERT_GT(shown_time_left.size(), static_cast<size_t>(LIMIT + 2));
    EXPECT_EQ(shown_time_left[0], 42) << "the first refresh shows the previous search's value";
    for (size_t k = 1; k < shown_time_left.size(); ++k)
        EXPECT_EQ(shown_time_left[k], LIMIT - static_cast<int32_t>(k)) << k;
    EXPECT_LT(shown_time_left.back(), 0) << "past the limit it goes negative";
}

TEST_F(TimeLimit, TimeoutInIterationKKeepsWhatIterationKMinusOneLeft)
{
    const Board board = board_from(PLACING);
    for (int32_t k : {2, 3, 4}) {
        max_depth = k - 1;
        std::srand(9);
        const std::string expected_out = search_position(&board, PLACING_MEN);
        const std::string expected_move = move_text(best_move);

        max_depth = k + 2; // deep enough to show the cut, bounded should it not come
        late_iteration = k;
        late_reading = CLOCK_START + LIMIT + 1;
        std::srand(9);
        prepare_search();
        clock_source = clock_late_from_iteration;
        const std::string out = run_root(&board, PLACING_MEN);
        clock_source = still_clock;

        EXPECT_EQ(out, expected_out) << k;
        EXPECT_EQ(move_text(best_move), expected_move) << k;
        EXPECT_EQ(iteration_depth, k);
        EXPECT_EQ(timed_out, 1);
        EXPECT_EQ(move_text(move_to_play(&board, PLACING_MEN)), expected_move);
    }
}

TEST_F(TimeLimit, PositionsTraversedCountsTheRootOnlyWhenNotInterrupted)
{
    const Board board = board_from(PLACING);
    MoveList list;
    Board scratch = board;
    const int32_t n = generate_moves(&scratch, COMPUTER, PLACING_MEN, &list);

    max_depth = 1;
    search_position(&board, PLACING_MEN);
    EXPECT_EQ(positions_traversed, n + 1);

    // Cut in the second iteration: the node that reads the late clock finishes,
    // its ancestors and the root do not.
    max_depth = 3;
    late_after_nodes = n + 7;
    late_reading = CLOCK_START + LIMIT + 1;
    prepare_search();
    clock_source = clock_late_after_nodes;
    run_root(&board, PLACING_MEN);
    EXPECT_EQ(timed_out, 1);
    EXPECT_EQ(iteration_depth, 2);
    EXPECT_EQ(positions_traversed, n + 8);
}

TEST_F(TimeLimit, PainterSettingTimedOutUnwindsTheSearchLikeATimeout)
{
    const Board board = board_from(PLACING);
    max_depth = 1;
    search_position(&board, PLACING_MEN);
    const std::string first_iteration_move = move_text(best_move);

    // The window is closed while iteration 2 runs.
    max_depth = 4;
    progress_painter = closing_painter;
    late_iteration = 2;
    late_reading = CLOCK_START + 1; // a refresh falls due, no timeout
    prepare_search();
    clock_source = clock_late_from_iteration;
    const std::string out = run_root(&board, PLACING_MEN);
    EXPECT_EQ(painter_calls, 1);
    EXPECT_EQ(out, depth_lines(1));
    EXPECT_EQ(iteration_depth, 2);
    EXPECT_EQ(move_text(best_move), first_iteration_move);
}

TEST_F(TimeLimit, MoveToPlayWhenTheFirstIterationIsCutShort)
{
    // Moves valued 102 and 103 before the position's better moves come up.
    const Board board = board_from(".W..B.....W....B");
    constexpr int32_t MEN = 8;
    MoveList list;
    Board scratch = board;
    const int32_t n = generate_moves(&scratch, COMPUTER, MEN, &list);
    late_reading = CLOCK_START + LIMIT + 1;
    for (int32_t valued = 1; valued <= n; ++valued) {
        Move expected = NO_MOVE;
        for (int32_t i = 0; i < valued; ++i) {
            const int32_t value = first_iteration_value(&board, MEN, &list.move[i]);
            if (expected.from == NO_POINT || value > expected.score)
                expected = {list.move[i].from, list.move[i].to, list.move[i].remove, value};
        }
        late_after_nodes = valued - 1; // the valued-th leaf reads the late clock
        clock_source = still_clock;
        prepare_search();
        clock_source = clock_late_after_nodes;
        run_root(&board, MEN);
        ASSERT_EQ(timed_out, 1);
        EXPECT_EQ(best_move.from, NO_POINT) << "no iteration was completed";
        EXPECT_EQ(move_text(move_to_play(&board, MEN)), move_text(expected)) << valued << " moves valued";
    }
}

TEST_F(TimeLimit, MoveToPlayAfterACompletedIterationAndWithoutAny)
{
    const Board board = board_from(PLACING);
    max_depth = 2;
    search_position(&board, PLACING_MEN);
    ASSERT_NE(best_move.from, NO_POINT);
    EXPECT_EQ(move_text(move_to_play(&board, PLACING_MEN)), move_text(best_move));

    // No iteration at all: the first legal move.
    max_depth = 0;
    search_position(&board, PLACING_MEN);
    MoveList list;
    Board scratch = board;
    generate_moves(&scratch, COMPUTER, PLACING_MEN, &list);
    EXPECT_EQ(move_text(move_to_play(&board, PLACING_MEN)), move_text(list.move[0]));
}
