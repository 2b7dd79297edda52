// Shared by the search tests: the search's settings put back around every test,
// a clock that stands still unless a test moves it, and root searches run as the
// game runs them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/search.h"
#include "rules/movegen.h"

inline constexpr int64_t CLOCK_START = 1000;
// Read by still_clock; tests move it between preparing and searching.
extern int64_t clock_now;
int64_t still_clock();

class SearchTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// search from the root as the game calls it, after the caller has prepared;
// returns what the search printed.
std::string run_root(const Board* board, int32_t men_to_place);
// prepare_search, then run_root.
std::string search_position(const Board* board, int32_t men_to_place);

// The value the first iteration gives a root move, worked out from the rules and
// the evaluation alone: 30000 when the user has lost after it, else the static
// evaluation of the position after it.
int32_t first_iteration_value(const Board* board, int32_t men_to_place, const Move* move);

// The "search depth: N" lines of iterations 1 to last.
std::string depth_lines(int32_t last);

// "FROM TO REMOVE SCORE", for comparisons that print readably.
std::string move_text(const Move& move);
