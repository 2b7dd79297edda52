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
