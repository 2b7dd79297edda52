// moves, eval and hash: the rules and the evaluation, one position at a time.
#include <cstdio>

#include "engine/evaluate.h"
#include "engine/tt.h"
#include "rules/movegen.h"
#include "tools/cli.h"
#include "tools/notation.h"

int run_moves(int argc, char** argv)
{
    int status = 0;
    if (!cli_expect_arguments(argc, 3, "moves", &status))
        return status;
    Board board;
    int32_t side = 0;
    int32_t men_to_place = 0;
    std::string error;
    if (!parse_board(argv[0], &board, &error) || !parse_side(argv[1], &side, &error) ||
        !parse_men_to_place(argv[2], &men_to_place, &error))
        return cli_fail(error);
    static MoveList list;
    const int32_t count = generate_moves(&board, side, men_to_place, &list);
    for (int32_t i = 0; i < count; ++i)
        std::printf("%d %d %d\n", list.move[i].from, list.move[i].to, list.move[i].remove);
    return 0;
}

int run_eval(int argc, char** argv)
{
    int status = 0;
    if (!cli_expect_arguments(argc, 2, "eval", &status))
        return status;
    Board board;
    int32_t side = 0;
    std::string error;
    if (!parse_board(argv[0], &board, &error) || !parse_side(argv[1], &side, &error))
        return cli_fail(error);
    std::printf("%d\n", evaluate(&board, side));
    return 0;
}

int run_hash(int argc, char** argv)
{
    int status = 0;
    if (!cli_expect_arguments(argc, 1, "hash", &status))
        return status;
    Board board;
    std::string error;
    if (!parse_board(argv[0], &board, &error))
        return cli_fail(error);
    std::printf("0x%08X\n", position_hash(&board));
    return 0;
}
