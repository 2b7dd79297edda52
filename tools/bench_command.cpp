// bench: fixed searches whose node total is the search's signature.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/search.h"
#include "rules/score.h"
#include "tools/cli.h"
#include "tools/notation.h"

namespace {

constexpr unsigned BENCH_SEED = 1;
constexpr int32_t QUICK_DEPTH_CUT = 2; // --quick searches this much shallower

struct BenchPosition {
    const char* name;
    const char* board;
    int32_t men_to_place;
    int32_t depth;
};

// Both variants, both phases. Changing this table changes the signature.
const BenchPosition POSITIONS[] = {
    {"six-start", "................", SIX_MEN_TO_PLACE, 7},
    {"five-last-placements", "B.W.BW..B..W.B.W", 2, 9},
    {"six-placing", "B..W.B..W..B.W..", 6, 8},
    {"five-placing", "..B.W..W..B.....", 6, 8},
    {"six-moving", "BWB.WBW.BWB.W.WB", 0, 11},
    {"five-moving", "B.W.BW.B.W.BW..B", 0, 10},
    {"three-each", "..BW.B..W..B..W.", 0, 12},
};

} // namespace

int run_bench(int argc, char** argv)
{
    int32_t cut = 0;
    if (argc == 1 && std::strcmp(argv[0], "--quick") == 0)
        cut = QUICK_DEPTH_CUT;
    else if (argc == 1)
        return cli_fail(std::string("unknown option '") + argv[0] + "' for bench");
    else if (argc > 1)
        return cli_fail("too many arguments for bench");

    int64_t total = 0;
    const auto started = std::chrono::steady_clock::now();
    for (const BenchPosition& p : POSITIONS) {
        Board board;
        std::string error;
        parse_board(p.board, &board, &error);
        std::srand(BENCH_SEED);
        prepare_search();
        max_depth = p.depth - cut;
        time_limit_on = 0;
        search(&board, NO_POINT, NO_POINT, NO_POINT, HUMAN, WIN_SCORE + 1, 0, p.men_to_place, nullptr);
        std::printf("%s %s %d depth %d nodes %lld\n", p.name, p.board, p.men_to_place, max_depth,
                    static_cast<long long>(positions_traversed));
        total += positions_traversed;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    const double seconds = elapsed.count() > 0 ? elapsed.count() : 1e-9;
    std::printf("nodes %lld nps %lld\n", static_cast<long long>(total),
                static_cast<long long>(static_cast<double>(total) / seconds));
    return 0;
}
