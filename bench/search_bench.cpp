// Positions traversed per second by whole searches to a fixed depth, as the game runs them.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/search.h"
#include "rules/score.h"
#include "tools/notation.h"

namespace {

// The search prints a line per iteration; keep it out of the report.
class SilencedStdout {
public:
    SilencedStdout()
    {
        std::fflush(stdout);
        saved_ = dup(1);
        if (std::FILE* sink = std::fopen("/dev/null", "w")) {
            dup2(fileno(sink), 1);
            std::fclose(sink);
        }
    }
    ~SilencedStdout()
    {
        std::fflush(stdout);
        dup2(saved_, 1);
        close(saved_);
    }
    SilencedStdout(const SilencedStdout&) = delete;
    SilencedStdout& operator=(const SilencedStdout&) = delete;

private:
    int saved_ = -1;
};

void bm_search(benchmark::State& state, const char* text, int32_t men_to_place, int32_t depth)
{
    Board board = EMPTY_BOARD;
    std::string error;
    parse_board(text, &board, &error);
    int64_t nodes = 0;
    {
        SilencedStdout silenced;
        for (auto _ : state) {
            std::srand(1);
            prepare_search();
            max_depth = depth;
            time_limit_on = 0;
            benchmark::DoNotOptimize(
                search(&board, NO_POINT, NO_POINT, NO_POINT, HUMAN, WIN_SCORE + 1, 0, men_to_place, nullptr));
            nodes += positions_traversed;
        }
    }
    state.counters["nodes"] = static_cast<double>(positions_traversed);
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
    // Shown with an SI prefix: 95n is 95 ns per node.
    state.counters["s/node"] = benchmark::Counter(static_cast<double>(nodes),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

// The start position and two middle games, one placing and one moving.
BENCHMARK_CAPTURE(bm_search, start_six_depth8, "................", SIX_MEN_TO_PLACE, 8)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bm_search, placing_five_depth8, "..B.W..W..B.....", 6, 8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bm_search, moving_five_depth10, "B.W.BW.B.W.BW..B", 0, 10)->Unit(benchmark::kMillisecond);
