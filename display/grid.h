// The 9 x 9 picture of the board, the maps between points and cells, the cells'
// pixel rectangles and the cell last pressed. Tables are indexed [column][row].
#pragma once

#include <cstdint>

#include "platform/rect.h"
#include "rules/board.h"

using CellCode = int32_t;

inline constexpr CellCode CELL_BLANK = 0;
inline constexpr CellCode CELL_POINT = 1;    // an empty point
inline constexpr CellCode CELL_HLINE = 2;
inline constexpr CellCode CELL_VLINE = 3;
inline constexpr CellCode CELL_HUMAN = 4;    // a white man
inline constexpr CellCode CELL_COMPUTER = 5; // a black man

inline constexpr int32_t GRID_SIZE = 9; // columns and rows
inline constexpr int32_t CELL_SIZE = 39;
inline constexpr int32_t BOARD_LEFT = 6;
inline constexpr int32_t BOARD_TOP = 5;

inline constexpr int32_t PANEL_LEFT = 375;
inline constexpr int32_t PANEL_TOP = 0;
inline constexpr int32_t PANEL_RIGHT = 540;
inline constexpr int32_t PANEL_BOTTOM = 400;

inline constexpr int32_t NO_CELL = -1; // click_col and click_row when nothing is pressed

// The empty board, one line per column, top row first.
inline constexpr CellCode INITIAL_CELLS[GRID_SIZE][GRID_SIZE] = {
    {1, 3, 3, 3, 1, 3, 3, 3, 1},
    {2, 0, 0, 0, 2, 0, 0, 0, 2},
    {2, 0, 1, 3, 1, 3, 1, 0, 2},
    {2, 0, 2, 0, 0, 0, 2, 0, 2},
    {1, 3, 1, 0, 0, 0, 1, 3, 1},
    {2, 0, 2, 0, 0, 0, 2, 0, 2},
    {2, 0, 1, 3, 1, 3, 1, 0, 2},
    {2, 0, 0, 0, 2, 0, 0, 0, 2},
    {1, 3, 3, 3, 1, 3, 3, 3, 1},
};

// The point shown by each cell, NO_POINT for the others; one line per column.
inline constexpr int32_t CELL_TO_POINT[GRID_SIZE][GRID_SIZE] = {
    {13, -1, -1, -1, 6, -1, -1, -1, 0},
    {-1, -1, -1, -1, -1, -1, -1, -1, -1},
    {-1, -1, 10, -1, 7, -1, 3, -1, -1},
    {-1, -1, -1, -1, -1, -1, -1, -1, -1},
    {14, -1, 11, -1, -1, -1, 4, -1, 1},
    {-1, -1, -1, -1, -1, -1, -1, -1, -1},
    {-1, -1, 12, -1, 8, -1, 5, -1, -1},
    {-1, -1, -1, -1, -1, -1, -1, -1, -1},
    {15, -1, -1, -1, 9, -1, -1, -1, 2},
};

// The cell of each point: {column, row}.
inline constexpr int32_t POINT_TO_CELL[POINT_COUNT][2] = {
    {0, 8}, {4, 8}, {8, 8}, {2, 6}, {4, 6}, {6, 6}, {0, 4}, {2, 4},
    {6, 4}, {8, 4}, {2, 2}, {4, 2}, {6, 2}, {0, 0}, {4, 0}, {8, 0},
};

// All CELL_BLANK until init_display. Game control writes point cells only.
extern CellCode cell_grid[GRID_SIZE][GRID_SIZE];
extern Rect cell_rects[GRID_SIZE][GRID_SIZE];
extern Rect panel_rect;
extern int32_t click_col;
extern int32_t click_row;

// Back to the empty board, with the rectangles set and no click recorded.
void init_display();
// Records the cell under the press at client position (x, y); a press outside
// every cell keeps whatever click is recorded.
void record_click(uint32_t x, uint32_t y);
