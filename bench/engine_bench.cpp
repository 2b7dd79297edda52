#include <benchmark/benchmark.h>

#include <string>

#include "engine/evaluate.h"
#include "engine/tt.h"
#include "tools/notation.h"

namespace {

const char* const POSITIONS[] = {".BWB.B...W...W..", "BWB.WBW.BWB.W.WB", "B......W.B..W..."};

Board parsed(const char* text)
{
    Board board = EMPTY_BOARD;
    std::string error;
    parse_board(text, &board, &error);
    return board;
}

void bm_evaluate(benchmark::State& state)
{
    Board boards[3];
    for (int i = 0; i < 3; ++i)
        boards[i] = parsed(POSITIONS[i]);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluate(&boards[i], COMPUTER));
        i = i == 2 ? 0 : i + 1;
    }
}

void bm_position_hash(benchmark::State& state)
{
    Board board = parsed(POSITIONS[1]);
    for (auto _ : state) {
        benchmark::DoNotOptimize(&board);
        benchmark::DoNotOptimize(position_hash(&board));
    }
}

void bm_tt_clear(benchmark::State& state)
{
    for (auto _ : state) {
        tt_clear();
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(bm_evaluate);
BENCHMARK(bm_position_hash);
BENCHMARK(bm_tt_clear)->Unit(benchmark::kMillisecond);
