#include <cstdio>
#include <cstring>

#include "tools/cli.h"

namespace {

int run_help(int, char**);

const CliCommand COMMANDS[] = {
    {"moves", "BOARD SIDE TO_PLACE", "list SIDE's legal moves as FROM TO REMOVE lines", run_moves},
    {"eval", "BOARD SIDE", "static evaluation of BOARD for SIDE", run_eval},
    {"hash", "BOARD", "position hash as 0x and 8 hex digits", run_hash},
    {"search", "BOARD TO_PLACE --depth D [--seed S]", "black's move, searched to depth D", run_search},
    {"search", "BOARD TO_PLACE --seconds T [--seed S]", "black's move, searched for T seconds", run_search},
    {"bench", "[--quick]", "fixed searches: nodes per position, total and speed", run_bench},
    {"help", "", "show this text (also --help)", run_help},
};

int run_help(int, char**)
{
    std::printf("usage: brackwell-cli COMMAND [ARGUMENTS]\n\ncommands:\n");
    for (const CliCommand& c : COMMANDS) {
        char head[64];
        std::snprintf(head, sizeof head, "%s %s", c.name, c.synopsis);
        std::printf("  %-46s %s\n", head, c.description);
    }
    std::printf("\n"
                "BOARD     16 characters, point 0 first: W a white man (the user),\n"
                "          B a black man (the computer), . an empty point\n"
                "SIDE      W or B\n"
                "TO_PLACE  men still to be placed by both sides together, 0 to 12\n"
                "D         depth of the last search iteration, 1 to 100\n"
                "T         thinking time in seconds, 1 to 600 (deepens up to depth 100)\n"
                "S         seed for the tie-break among equal moves, default 1\n"
                "\n"
                "search prints a line per completed depth, then\n"
                "  best FROM TO REMOVE SCORE positions N\n"
                "with -1 for no point and SCORE from black's side (30000: black wins).\n");
    return 0;
}

} // namespace

int cli_fail(const std::string& problem)
{
    std::fprintf(stderr, "brackwell-cli: %s (try 'brackwell-cli --help')\n", problem.c_str());
    return EXIT_BAD_INPUT;
}

bool cli_expect_arguments(int argc, int count, const char* command, int* status)
{
    if (argc < count) {
        *status = cli_fail(std::string("missing argument for ") + command);
        return false;
    }
    if (argc > count) {
        *status = cli_fail(std::string("too many arguments for ") + command);
        return false;
    }
    return true;
}

int main(int argc, char** argv)
{
    if (argc < 2)
        return cli_fail("missing command");
    const char* name = argv[1];
    if (std::strcmp(name, "--help") == 0 || std::strcmp(name, "-h") == 0)
        return run_help(0, nullptr);
    for (const CliCommand& c : COMMANDS) {
        if (std::strcmp(name, c.name) == 0)
            return c.run(argc - 2, argv + 2);
    }
    return cli_fail(std::string("unknown command '") + name + "'");
}
