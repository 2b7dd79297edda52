// Text forms of positions for the command-line tool: "W", "B" and "." per point.
#pragma once

#include <cstdint>
#include <string>

#include "rules/board.h"

// Each parser returns true and fills its result, or false and sets error to a
// short description of what is wrong with the text.
bool parse_board(const char* text, Board* board, std::string* error);
bool parse_side(const char* text, int32_t* side, std::string* error);
bool parse_men_to_place(const char* text, int32_t* men_to_place, std::string* error);
// A whole number in [low, high], decimal, nothing else around it.
bool parse_integer(const char* text, int64_t low, int64_t high, int64_t* value);

std::string format_board(const Board* board);
