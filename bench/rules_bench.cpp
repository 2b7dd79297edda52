#include <benchmark/benchmark.h>

#include <string>

#include "rules/movegen.h"
#include "tools/notation.h"

namespace {

Board parsed(const char* text)
{
    Board board = EMPTY_BOARD;
    std::string error;
    parse_board(text, &board, &error);
    return board;
}

void generate(benchmark::State& state, const char* text, int32_t side, int32_t men_to_place)
{
    Board board = parsed(text);
    MoveList list;
    for (auto _ : state) {
        benchmark::DoNotOptimize(generate_moves(&board, side, men_to_place, &list));
        benchmark::ClobberMemory();
    }
}

} // namespace

// The worked position: moves with a mill and three removals.
BENCHMARK_CAPTURE(generate, movement_worked_position, ".BWB.B...W...W..", COMPUTER, 0);
BENCHMARK_CAPTURE(generate, placement_worked_position, ".BWB.B...W...W..", COMPUTER, 6);
BENCHMARK_CAPTURE(generate, placement_empty_board, "................", HUMAN, 12);
BENCHMARK_CAPTURE(generate, movement_crowded, "BWB.WBW.BWB.W.WB", HUMAN, 0);
