#include <gtest/gtest.h>

#include <tuple>

#include "display/grid.h"
#include "rules/tables.h"

TEST(DisplayTables, PointsAndCellsMapBothWays)
{
    for (int32_t p = 0; p < POINT_COUNT; ++p)
        EXPECT_EQ(CELL_TO_POINT[POINT_TO_CELL[p][0]][POINT_TO_CELL[p][1]], p) << "point " << p;
    for (int32_t c = 0; c < GRID_SIZE; ++c) {
        for (int32_t r = 0; r < GRID_SIZE; ++r) {
            const bool point = CELL_TO_POINT[c][r] != NO_POINT;
            EXPECT_EQ(INITIAL_CELLS[c][r] == CELL_POINT, point) << c << "," << r;
        }
    }
    EXPECT_EQ(CELL_TO_POINT[4][4], NO_POINT);
    EXPECT_EQ(CELL_TO_POINT[0][8], 0);
    EXPECT_EQ(CELL_TO_POINT[8][0], 15);
}

// Each step along a line of the board crosses only line cells of its direction,
// so the picture shows exactly the lines the rules move along.
TEST(DisplayTables, LineCellsJoinAdjacentPoints)
{
    int32_t crossed = 0;
    for (const auto& step : ADJACENCY) {
        const int32_t* a = POINT_TO_CELL[step[0]];
        const int32_t* b = POINT_TO_CELL[step[1]];
        ASSERT_TRUE(a[0] == b[0] || a[1] == b[1]) << step[0] << "-" << step[1];
        const int32_t dc = (b[0] > a[0]) - (b[0] < a[0]);
        const int32_t dr = (b[1] > a[1]) - (b[1] < a[1]);
        for (int32_t c = a[0] + dc, r = a[1] + dr; c != b[0] || r != b[1]; c += dc, r += dr) {
            EXPECT_EQ(INITIAL_CELLS[c][r], dc != 0 ? CELL_HLINE : CELL_VLINE)
                << "cell " << c << "," << r << " between " << step[0] << " and " << step[1];
            ++crossed;
        }
    }
    // Every step is listed both ways, so each line cell is crossed twice.
    int32_t line_cells = 0;
    for (const auto& column : INITIAL_CELLS) {
        for (CellCode code : column)
            line_cells += code == CELL_HLINE || code == CELL_VLINE;
    }
    EXPECT_EQ(crossed, 2 * line_cells);
}

namespace {

auto edges(const Rect& r) { return std::tuple(r.left, r.top, r.right, r.bottom); }

} // namespace

TEST(InitDisplay, ResetsGridClickAndPanel)
{
    cell_grid[2][2] = CELL_COMPUTER;
    cell_grid[4][4] = 9;
    click_col = 3;
    click_row = 7;
    panel_rect = {1, 2, 3, 4};
    cell_rects[8][8] = {};

    init_display();

    for (int32_t c = 0; c < GRID_SIZE; ++c) {
        for (int32_t r = 0; r < GRID_SIZE; ++r)
            EXPECT_EQ(cell_grid[c][r], INITIAL_CELLS[c][r]) << c << "," << r;
    }
    EXPECT_EQ(click_col, NO_CELL);
    EXPECT_EQ(click_row, NO_CELL);
    EXPECT_EQ(edges(panel_rect), std::tuple(375, 0, 540, 400));
    EXPECT_EQ(edges(cell_rects[0][0]), std::tuple(6, 5, 45, 44));
    EXPECT_EQ(edges(cell_rects[3][5]), std::tuple(123, 200, 162, 239));
    EXPECT_EQ(edges(cell_rects[8][8]), std::tuple(318, 317, 357, 356));
}

struct Press {
    uint32_t x, y;
    int32_t col, row; // NO_CELL: nothing recorded, the earlier click stays
};

TEST(RecordClick, CellsEdgesMarginsAndPanel)
{
    const Press presses[] = {
        {6, 5, 0, 0},        // first pixel of the grid
        {44, 43, 0, 0},      // last pixel of cell (0, 0)
        {45, 5, 1, 0},       // first of its right neighbour
        {6, 44, 0, 1},       // first of the one below
        {356, 355, 8, 8},    // last pixel of the grid
        {181, 181, 4, 4},    // the blank centre cell
        {64, 24, 1, 0},      // a line cell
        {5, 100, NO_CELL, NO_CELL},  // left margin
        {0, 0, NO_CELL, NO_CELL},
        {100, 4, NO_CELL, NO_CELL},  // top margin
        {357, 100, NO_CELL, NO_CELL}, // between the grid and the panel
        {100, 356, NO_CELL, NO_CELL}, // below the grid
        {400, 100, NO_CELL, NO_CELL}, // side panel
        {65535, 65535, NO_CELL, NO_CELL},
    };
    for (const Press& press : presses) {
        init_display();
        click_col = 6;
        click_row = 2;
        record_click(press.x, press.y);
        const bool kept = press.col == NO_CELL;
        EXPECT_EQ(click_col, kept ? 6 : press.col) << press.x << "," << press.y;
        EXPECT_EQ(click_row, kept ? 2 : press.row) << press.x << "," << press.y;
    }
}
