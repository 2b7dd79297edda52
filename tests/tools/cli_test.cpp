#include <gtest/gtest.h>

#include "tests/support/process.h"

namespace {

ProcessResult cli(std::vector<std::string> args)
{
    args.insert(args.begin(), BRACKWELL_CLI);
    return run_process(args);
}

} // namespace

TEST(Cli, WorkedExamples)
{
    struct Case {
        std::vector<std::string> args;
        const char* out;
    };
    const Case cases[] = {
        {{"moves", ".BWB.B...W...W..", "B", "0"},
         "1 0 -1\n1 4 2\n1 4 9\n1 4 13\n3 4 -1\n3 7 -1\n5 4 -1\n5 8 -1\n"},
        {{"moves", ".BWB.B...W...W..", "W", "0"}, "9 8 -1\n9 15 -1\n13 14 -1\n13 6 -1\n"},
        {{"moves", "BBB.W.W..W......", "B", "0"}, ""},
        {{"eval", ".BWB.B...W...W..", "B"}, "2\n"},
        {{"eval", ".BWB.B...W......", "W"}, "-104\n"},
        {{"hash", "B..............."}, "0xBA798B0A\n"},
        {{"hash", "BWBB....B..W..W."}, "0xF50A61CA\n"},
        {{"hash", "................"}, "0x00000000\n"},
    };
    for (const Case& c : cases) {
        const ProcessResult r = cli(c.args);
        EXPECT_EQ(r.status, 0) << c.args[0] << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[0] << " " << c.args[1];
        EXPECT_EQ(r.err, "");
    }
}

TEST(Cli, HelpPrintsUsage)
{
    for (const char* flag : {"--help", "help"}) {
        const ProcessResult r = cli({flag});
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.out.find("usage: brackwell-cli"), std::string::npos);
        EXPECT_NE(r.out.find("moves BOARD SIDE TO_PLACE"), std::string::npos);
        EXPECT_NE(r.out.find("search BOARD TO_PLACE --depth D [--seed S]"), std::string::npos);
        EXPECT_NE(r.out.find("bench [--quick]"), std::string::npos);
    }
}

TEST(Cli, BadInputIsOneLineOnStandardErrorAndStatusTwo)
{
    struct Case {
        std::vector<std::string> args;
        const char* names; // a word the message must contain
    };
    const Case cases[] = {
        {{}, "missing command"},
        {{"frobnicate"}, "unknown command 'frobnicate'"},
        {{"moves"}, "missing argument"},
        {{"moves", "................", "W"}, "missing argument"},
        {{"moves", "................", "W", "3", "extra"}, "too many arguments"},
        {{"hash", "..............."}, "16 characters"},
        {{"hash", "................."}, "16 characters"},
        {{"hash", ""}, "16 characters"},
        {{"hash", "........x......."}, "'x' at point 8"},
        {{"eval", "WWWWWWW.........", "W"}, "7 white men"},
        {{"eval", "BBBBBBB.........", "W"}, "7 black men"},
        {{"eval", "................", "X"}, "side must be W or B"},
        {{"eval", "................", "w"}, "side must be W or B"},
        {{"moves", "................", "W", "13"}, "0 to 12"},
        {{"moves", "................", "W", "-1"}, "0 to 12"},
        {{"moves", "................", "W", "3.5"}, "0 to 12"},
        {{"moves", "................", "W", ""}, "0 to 12"},
        {{"moves", "................", "W", "99999999999999999999999"}, "0 to 12"},
        {{"search"}, "missing argument for search"},
        {{"search", "................"}, "missing argument for search"},
        {{"search", "................", "12"}, "needs --depth D or --seconds T"},
        {{"search", "................", "12", "--seed", "3"}, "needs --depth D or --seconds T"},
        {{"search", "................", "12", "--depth", "3", "--seconds", "5"}, "not both"},
        {{"search", "................", "12", "--depth"}, "missing value for --depth"},
        {{"search", "................", "12", "--depth", "0"}, "--depth must be a whole number from 1 to 100"},
        {{"search", "................", "12", "--depth", "101"}, "from 1 to 100, got '101'"},
        {{"search", "................", "12", "--depth", "two"}, "--depth must be"},
        {{"search", "................", "12", "--seconds", "0"}, "--seconds must be a whole number from 1 to 600"},
        {{"search", "................", "12", "--depth", "2", "--seed", "-1"}, "--seed must be"},
        {{"search", "................", "12", "--depth", "2", "--depth", "3"}, "--depth given twice"},
        {{"search", "................", "12", "--depth", "2", "--fast"}, "unknown option '--fast' for search"},
        {{"search", "...............", "12", "--depth", "2"}, "16 characters"},
        {{"search", "................", "13", "--depth", "2"}, "0 to 12"},
        {{"search", "BBB.W.W..W......", "0", "--depth", "2"}, "black has already lost"},
        {{"search", "BB...W....W.....", "0", "--depth", "2"}, "black has already lost"},
        {{"bench", "--slow"}, "unknown option '--slow' for bench"},
        {{"bench", "--quick", "--quick"}, "too many arguments for bench"},
    };
    for (const Case& c : cases) {
        const ProcessResult r = cli(c.args);
        const std::string what = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ(r.status, 2) << what;
        EXPECT_EQ(r.out, "") << what;
        EXPECT_NE(r.err.find(c.names), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("--help"), std::string::npos) << r.err;
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
    }
}

TEST(Cli, SearchPrintsEachDepthThenItsChoice)
{
    struct Case {
        std::vector<std::string> args;
        const char* out;
    };
    // Black closes mill 0 with 9 -> 2 and takes a white man: won at depth 1,
    // whatever the limit. The lost cause has one move and loses at every depth.
    const char* const won = "search depth: 1\nbest 9 2 4 30000 positions 7\n";
    const Case cases[] = {
        {{"search", "BB..W.W..B...W..", "0", "--depth", "4"}, won},
        {{"search", "BB..W.W..B...W..", "0", "--seconds", "5"}, won},
        {{"search", "BB..W.W..B...W..", "0", "--seed", "3", "--seconds", "5"}, won},
        {{"search", "B.....BW...WWBW.", "0", "--depth", "3"},
         "search depth: 1\nsearch depth: 2\nsearch depth: 3\nbest 0 1 -1 -30000 positions 22\n"},
    };
    for (const Case& c : cases) {
        const ProcessResult r = cli(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[3];
        EXPECT_EQ(r.err, "");
    }
}

TEST(Cli, SearchSeedDefaultsToOneAndPicksAmongEqualMoves)
{
    const std::vector<std::string> start = {"search", "................", "12", "--depth", "3"};
    std::vector<std::string> seeded = start;
    seeded.insert(seeded.end(), {"--seed", "1"});
    const ProcessResult plain = cli(start);
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(cli(seeded).out, plain.out);
    bool other_choice = false;
    for (const char* seed : {"2", "3", "4", "5", "6"}) {
        std::vector<std::string> args = start;
        args.insert(args.end(), {"--seed", seed});
        const ProcessResult r = cli(args);
        EXPECT_EQ(r.out.substr(0, r.out.rfind("best")), plain.out.substr(0, plain.out.rfind("best")));
        other_choice = other_choice || r.out != plain.out;
    }
    EXPECT_TRUE(other_choice) << "every seed chose the same of the equally valued placements";
}

// The search's signature: bench --quick's node total. Any change to how the
// search behaves changes it; a deliberate change updates this number in the same
// commit and says why.
TEST(Cli, BenchSignature)
{
    constexpr const char* SIGNATURE = "nodes 231676 nps ";
    constexpr int POSITIONS = 7;
    const ProcessResult r = cli({"bench", "--quick"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines;
    for (size_t begin = 0, end; (end = r.out.find('\n', begin)) != std::string::npos; begin = end + 1)
        lines.push_back(r.out.substr(begin, end - begin));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().rfind(SIGNATURE, 0), 0u) << lines.back();
    int positions = 0;
    for (const std::string& line : lines)
        positions += line.find(" nodes ") != std::string::npos;
    EXPECT_EQ(positions, POSITIONS) << r.out;
}
