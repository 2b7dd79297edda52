// Draws the board and the side panel: the whole picture, nothing erased first.
#pragma once

#include <cstdint>

#include "platform/platform.h"

inline constexpr int32_t SEPARATOR_X = 372;
inline constexpr int32_t SEPARATOR_BOTTOM = 374;

inline constexpr int32_t PANEL_TEXT_LEFT = 396;
inline constexpr int32_t STATUS_TOP = 10;
inline constexpr int32_t DEPTH_TOP = 40;
inline constexpr int32_t POSITIONS_TOP = 60;
inline constexpr int32_t TIME_TOP = 100;

// Trailing blanks paint over the tail of a longer number drawn before. The
// number is formatted as 64-bit: the position count passes 2^31 within minutes.
inline constexpr char DEPTH_FORMAT[] = "Depth: %lld        ";
inline constexpr char POSITIONS_FORMAT[] = "Positions Traversed: %lld        ";
inline constexpr char TIME_FORMAT[] = "Time Left: %lld       ";

// Characters drawn of each line; the status line loses its full stop.
inline constexpr int32_t STATUS_CHARS = 17;
inline constexpr int32_t DEPTH_CHARS = 15;
inline constexpr int32_t POSITIONS_CHARS = 30;
inline constexpr int32_t TIME_CHARS = 19;

// Reads cell_grid, status_text and the search's figures; leaves the gray brush
// selected in dc.
void paint_board(DeviceContext dc);
