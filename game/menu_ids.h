// Menu command ids. The game reads the settings from their check marks.
#pragma once

#include <cstdint>

inline constexpr int32_t IDM_NEW_GAME = 40001;
inline constexpr int32_t IDM_EXIT = 40002;
inline constexpr int32_t IDM_FIVE_MEN = 40003;
inline constexpr int32_t IDM_SIX_MEN = 40004;
inline constexpr int32_t IDM_LEVEL_1 = 40005;
inline constexpr int32_t IDM_LEVEL_2 = 40006;
inline constexpr int32_t IDM_LEVEL_3 = 40007;
inline constexpr int32_t IDM_LEVEL_4 = 40008;
inline constexpr int32_t IDM_LEVEL_5 = 40009;
inline constexpr int32_t IDM_LEVEL_6 = 40010;
inline constexpr int32_t IDM_LEVEL_7 = 40011;
inline constexpr int32_t IDM_HUMAN_FIRST = 40012;
inline constexpr int32_t IDM_COMPUTER_FIRST = 40013;
inline constexpr int32_t IDM_HELP = 40014;
inline constexpr int32_t IDM_ABOUT = 1000;
