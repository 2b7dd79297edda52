// Small helpers shared by the tests: positions from text, random positions.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "rules/board.h"
#include "rules/movegen.h"

// "W", "B", "." per point, point 0 first; fails the test on bad text.
Board board_from(const char* text);
// A board with up to max_men men of each side on random points.
Board random_board(std::mt19937* rng, int32_t max_men = MAX_MEN_PER_SIDE);
// "FROM TO REMOVE" of list[0..count), one record per line.
std::string moves_text(const MoveList* list, int32_t count);
