#include "tests/engine/search_support.h"

#include <cstdlib>

#include "engine/clock.h"
#include "engine/evaluate.h"
#include "engine/progress.h"
#include "rules/score.h"

int64_t clock_now = CLOCK_START;

int64_t still_clock()
{
    return clock_now;
}

namespace {

void restore_start_values()
{
    max_depth = MAX_ITERATION_DEPTH;
    iterative_deepening_on = 1;
    time_limit_on = 1;
    time_limit_seconds = DEFAULT_TIME_LIMIT_SECONDS;
    time_left = 0;
    progress_painter = nullptr;
    clock_now = CLOCK_START;
    clock_source = still_clock;
    std::srand(1);
}

} // namespace

void SearchTest::SetUp()
{
    restore_start_values();
}

void SearchTest::TearDown()
{
    restore_start_values();
    clock_source = system_clock_seconds;
}

std::string run_root(const Board* board, int32_t men_to_place)
{
    testing::internal::CaptureStdout();
    search(board, NO_POINT, NO_POINT, NO_POINT, HUMAN, BEYOND_SCORE, 0, men_to_place, nullptr);
    return testing::internal::GetCapturedStdout();
}

std::string search_position(const Board* board, int32_t men_to_place)
{
    prepare_search();
    return run_root(board, men_to_place);
}

int32_t first_iteration_value(const Board* board, int32_t men_to_place, const Move* move)
{
    Board after = *board;
    play_move(&after, move, COMPUTER, &men_to_place);
    MoveList list;
    if (has_lost(&after, HUMAN, men_to_place, &list) == 1)
        return WIN_SCORE;
    return evaluate(&after, COMPUTER);
}

std::string depth_lines(int32_t last)
{
    std::string lines;
    for (int32_t d = 1; d <= last; ++d)
        lines += "search depth: " + std::to_string(d) + "\n";
    return lines;
}

std::string move_text(const Move& move)
{
    return std::to_string(move.from) + " " + std::to_string(move.to) + " " + std::to_string(move.remove) + " " +
           std::to_string(move.score);
}
