// Scores, always from the computer's point of view.
#pragma once

#include <cstdint>

inline constexpr int32_t WIN_SCORE = 30000;   // the user, to move, has lost
inline constexpr int32_t LOSS_SCORE = -30000; // the computer, to move, has lost
inline constexpr int32_t BEYOND_SCORE = WIN_SCORE + 1;
