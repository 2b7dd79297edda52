// The program's message loop, which also drives the game: one game step after
// every message.
#pragma once

#include <cstdint>

#include "platform/handles.h"

// Runs until the quit message and returns its exit code.
int32_t game_loop(WindowHandle window);

// What follows each dispatched message: the new-game poll, the user's turn, and
// the computer's turn when it is the computer's move.
void game_step(WindowHandle window);

inline constexpr const char HUMAN_WON_TEXT[] = "I Lost The Game - Well Done!";
inline constexpr const char COMPUTER_WON_TEXT[] = "I Won The Game!";
inline constexpr const char GAME_OVER_CAPTION[] = "Game Over";
inline constexpr const char FIVE_MEN_TITLE[] = "Five Men Morris";
inline constexpr const char SIX_MEN_TITLE[] = "Six Men Morris";
