#include "display/grid.h"

CellCode cell_grid[GRID_SIZE][GRID_SIZE];
Rect cell_rects[GRID_SIZE][GRID_SIZE];
Rect panel_rect;
int32_t click_col = NO_CELL;
int32_t click_row = NO_CELL;

void init_display()
{
    for (int32_t r = 0; r < GRID_SIZE; ++r) {
        for (int32_t c = 0; c < GRID_SIZE; ++c) {
            cell_grid[c][r] = INITIAL_CELLS[c][r];
            set_rect(&cell_rects[c][r], BOARD_LEFT + CELL_SIZE * c, BOARD_TOP + CELL_SIZE * r,
                     BOARD_LEFT + CELL_SIZE * (c + 1), BOARD_TOP + CELL_SIZE * (r + 1));
        }
    }
    set_rect(&panel_rect, PANEL_LEFT, PANEL_TOP, PANEL_RIGHT, PANEL_BOTTOM);
    click_col = NO_CELL;
    click_row = NO_CELL;
}

void record_click(uint32_t x, uint32_t y)
{
    // Both come from 16 bits, so they fit.
    const auto px = static_cast<int32_t>(x);
    const auto py = static_cast<int32_t>(y);
    for (int32_t r = 0; r < GRID_SIZE; ++r) {
        for (int32_t c = 0; c < GRID_SIZE; ++c) {
            if (point_in_rect(&cell_rects[c][r], px, py)) {
                click_col = c;
                click_row = r;
                return;
            }
        }
    }
}
