#include "display/paint.h"

#include <cstdio>

#include "display/grid.h"
#include "display/status.h"
#include "engine/search_state.h"

namespace {

constexpr int32_t LINE_OFFSET = 19; // the middle pixel of a cell
constexpr int32_t RING_WIDTH = 4;   // gray around a man

void draw_cell(DeviceContext dc, CellCode code, int32_t left, int32_t top)
{
    const int32_t right = left + CELL_SIZE;
    const int32_t bottom = top + CELL_SIZE;
    switch (code) {
    case CELL_POINT:
        draw_ellipse(dc, left, top, right, bottom);
        break;
    case CELL_HLINE:
        move_to(dc, left, top + LINE_OFFSET);
        line_to(dc, right, top + LINE_OFFSET);
        break;
    case CELL_VLINE:
        move_to(dc, left + LINE_OFFSET, top);
        line_to(dc, left + LINE_OFFSET, bottom);
        break;
    case CELL_HUMAN:
    case CELL_COMPUTER:
        select_brush(dc, BRUSH_GRAY);
        draw_ellipse(dc, left, top, right, bottom);
        select_brush(dc, code == CELL_HUMAN ? BRUSH_WHITE : BRUSH_BLACK);
        draw_ellipse(dc, left + RING_WIDTH, top + RING_WIDTH, right - RING_WIDTH, bottom - RING_WIDTH);
        select_brush(dc, BRUSH_GRAY);
        break;
    default: // blank, and anything that is no code
        break;
    }
}

// Room for the longest line with any 32-bit number.
constexpr size_t LINE_BUFFER = 64;

void draw_figure(DeviceContext dc, int32_t top, const char* format, long long value, int32_t chars)
{
    char line[LINE_BUFFER];
    std::snprintf(line, sizeof line, format, value);
    text_out(dc, PANEL_TEXT_LEFT, top, line, chars);
}

} // namespace

void paint_board(DeviceContext dc)
{
    select_brush(dc, BRUSH_GRAY);
    for (int32_t r = 0; r < GRID_SIZE; ++r) {
        for (int32_t c = 0; c < GRID_SIZE; ++c)
            draw_cell(dc, cell_grid[c][r], BOARD_LEFT + CELL_SIZE * c, BOARD_TOP + CELL_SIZE * r);
    }

    move_to(dc, SEPARATOR_X, 0);
    line_to(dc, SEPARATOR_X, SEPARATOR_BOTTOM);

    // Depth 100 means there is no depth to show (no search yet, or one that ran all
    // its iterations); the time left is not shown then either.
    const bool no_search = iteration_depth == MAX_ITERATION_DEPTH;
    text_out(dc, PANEL_TEXT_LEFT, STATUS_TOP, status_text, STATUS_CHARS);
    draw_figure(dc, DEPTH_TOP, DEPTH_FORMAT, no_search ? 0 : iteration_depth, DEPTH_CHARS);
    draw_figure(dc, POSITIONS_TOP, POSITIONS_FORMAT, positions_traversed, POSITIONS_CHARS);
    draw_figure(dc, TIME_TOP, TIME_FORMAT, no_search || time_left < 0 ? 0 : time_left, TIME_CHARS);
}
