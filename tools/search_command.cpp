// search: one search of the computer's move, as the game runs it before a turn.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/search.h"
#include "rules/movegen.h"
#include "rules/score.h"
#include "tools/cli.h"
#include "tools/notation.h"

namespace {

constexpr int64_t UNSET = -1;
constexpr int64_t DEFAULT_SEED = 1;
constexpr int64_t MAX_SEED = 4294967295; // srand takes an unsigned int
constexpr int64_t MAX_SECONDS = 600;     // the longest thinking time the game offers

struct SearchOption {
    const char* name;
    int64_t low;
    int64_t high;
};

const SearchOption OPTIONS[] = {
    {"--depth", 1, MAX_ITERATION_DEPTH},
    {"--seconds", 1, MAX_SECONDS},
    {"--seed", 0, MAX_SEED},
};
constexpr int OPTION_COUNT = sizeof OPTIONS / sizeof OPTIONS[0];
enum { DEPTH, SECONDS, SEED };

} // namespace

int run_search(int argc, char** argv)
{
    if (argc < 2)
        return cli_fail("missing argument for search");
    Board board;
    int32_t men_to_place = 0;
    std::string error;
    if (!parse_board(argv[0], &board, &error) || !parse_men_to_place(argv[1], &men_to_place, &error))
        return cli_fail(error);

    int64_t values[OPTION_COUNT] = {UNSET, UNSET, UNSET};
    for (int i = 2; i < argc; i += 2) {
        int o = 0;
        while (o < OPTION_COUNT && std::strcmp(argv[i], OPTIONS[o].name) != 0)
            ++o;
        if (o == OPTION_COUNT)
            return cli_fail(std::string("unknown option '") + argv[i] + "' for search");
        const SearchOption& option = OPTIONS[o];
        if (i + 1 == argc)
            return cli_fail(std::string("missing value for ") + option.name);
        if (values[o] != UNSET)
            return cli_fail(std::string(option.name) + " given twice");
        if (!parse_integer(argv[i + 1], option.low, option.high, &values[o]))
            return cli_fail(std::string(option.name) + " must be a whole number from " +
                            std::to_string(option.low) + " to " + std::to_string(option.high) + ", got '" +
                            argv[i + 1] + "'");
    }
    if (values[DEPTH] != UNSET && values[SECONDS] != UNSET)
        return cli_fail("search takes --depth or --seconds, not both");
    if (values[DEPTH] == UNSET && values[SECONDS] == UNSET)
        return cli_fail("search needs --depth D or --seconds T");
    MoveList list;
    Board scratch = board;
    if (has_lost(&scratch, COMPUTER, men_to_place, &list) == 1)
        return cli_fail("black has already lost on this board; there is nothing to search");

    std::srand(static_cast<unsigned>(values[SEED] == UNSET ? DEFAULT_SEED : values[SEED]));
    prepare_search();
    if (values[DEPTH] != UNSET) {
        max_depth = static_cast<int32_t>(values[DEPTH]);
        time_limit_on = 0;
    } else {
        max_depth = MAX_ITERATION_DEPTH;
        time_limit_on = 1;
        time_limit_seconds = static_cast<int32_t>(values[SECONDS]);
    }
    search(&board, NO_POINT, NO_POINT, NO_POINT, HUMAN, WIN_SCORE + 1, 0, men_to_place, nullptr);
    std::printf("best %d %d %d %d positions %lld\n", best_move.from, best_move.to, best_move.remove,
                best_move.score, static_cast<long long>(positions_traversed));
    return 0;
}
