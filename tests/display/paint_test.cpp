#include <gtest/gtest.h>

#include <vector>

#include "display/grid.h"
#include "display/paint.h"
#include "display/status.h"
#include "engine/search_state.h"
#include "platform/script/script.h"

namespace {

class PaintBoard : public ::testing::Test {
protected:
    void SetUp() override
    {
        script_reset();
        const WindowTemplate layout = {"Six Men Morris", 600, 380, nullptr, nullptr, 0};
        window = create_main_window(&layout);
        status_text = HUMAN_TURN_TEXT;
        iteration_depth = MAX_ITERATION_DEPTH;
        positions_traversed = 0;
        time_left = 0;
        for (auto& column : cell_grid) {
            for (CellCode& code : column)
                code = CELL_BLANK;
        }
    }

    std::vector<DrawCall> paint()
    {
        DeviceContext dc = get_window_dc(window);
        paint_board(dc);
        release_window_dc(window, dc);
        return script_take_drawing(window);
    }

    // The four panel texts of the last paint.
    std::vector<std::string> panel()
    {
        std::vector<std::string> texts;
        for (const DrawCall& call : paint()) {
            if (call.kind == DRAW_TEXT)
                texts.push_back(call.text);
        }
        return texts;
    }

    WindowHandle window = nullptr;
};

DrawCall brush(int32_t b) { return {DRAW_SELECT_BRUSH, b, 0, 0, 0, {}}; }
DrawCall ellipse(int32_t l, int32_t t, int32_t r, int32_t b) { return {DRAW_ELLIPSE, l, t, r, b, {}}; }
DrawCall move(int32_t x, int32_t y) { return {DRAW_MOVE_TO, x, y, 0, 0, {}}; }
DrawCall line(int32_t x, int32_t y) { return {DRAW_LINE_TO, x, y, 0, 0, {}}; }
DrawCall text(int32_t x, int32_t y, const char* s) { return {DRAW_TEXT, x, y, 0, 0, s}; }

} // namespace

TEST_F(PaintBoard, EachCodeRowByRowThenSeparatorAndPanel)
{
    cell_grid[8][8] = CELL_HUMAN;
    cell_grid[4][6] = CELL_COMPUTER;
    cell_grid[0][0] = CELL_POINT;
    cell_grid[1][0] = CELL_HLINE;
    cell_grid[0][1] = CELL_VLINE;
    cell_grid[4][4] = 6;  // no code: nothing drawn
    cell_grid[5][5] = -1;

    const std::vector<DrawCall> expected = {
        brush(BRUSH_GRAY),
        ellipse(6, 5, 45, 44),                    // (0, 0)
        move(45, 24), line(84, 24),               // (1, 0)
        move(25, 44), line(25, 83),               // (0, 1)
        brush(BRUSH_GRAY), ellipse(162, 239, 201, 278), // (4, 6)
        brush(BRUSH_BLACK), ellipse(166, 243, 197, 274), brush(BRUSH_GRAY),
        brush(BRUSH_GRAY), ellipse(318, 317, 357, 356), // (8, 8)
        brush(BRUSH_WHITE), ellipse(322, 321, 353, 352), brush(BRUSH_GRAY),
        move(372, 0), line(372, 374),
        text(396, 10, "HUMAN TURN       "),
        text(396, 40, "Depth: 0       "),
        text(396, 60, "Positions Traversed: 0        "),
        text(396, 100, "Time Left: 0       "),
    };
    EXPECT_EQ(paint(), expected);
}

struct PanelCase {
    const char* name;
    const char* status;
    int32_t depth;
    int64_t positions;
    int32_t time;
    std::vector<std::string> expected;
};

TEST_F(PaintBoard, PanelLines)
{
    const PanelCase cases[] = {
        {"before any search", HUMAN_TURN_TEXT, 100, 0, 0,
         {"HUMAN TURN       ", "Depth: 0       ", "Positions Traversed: 0        ", "Time Left: 0       "}},
        {"depth 100 hides the time", COMPUTER_TURN_TEXT, 100, 5170, 37,
         {"COMPUTER TURN    ", "Depth: 0       ", "Positions Traversed: 5170     ", "Time Left: 0       "}},
        {"mid search", COMPUTER_TURN_TEXT, 12, 123456, 8,
         {"COMPUTER TURN    ", "Depth: 12      ", "Positions Traversed: 123456   ", "Time Left: 8       "}},
        {"negative time", HUMAN_TURN_TEXT, 7, 99, -2,
         {"HUMAN TURN       ", "Depth: 7       ", "Positions Traversed: 99       ", "Time Left: 0       "}},
        {"long numbers", HUMAN_TURN_TEXT, 1, 1234567890, 600,
         {"HUMAN TURN       ", "Depth: 1       ", "Positions Traversed: 123456789", "Time Left: 600     "}},
        {"a count past 2^31 after minutes of thinking", COMPUTER_TURN_TEXT, 14, 12345678901, 3,
         {"COMPUTER TURN    ", "Depth: 14      ", "Positions Traversed: 123456789", "Time Left: 3       "}},
        {"the count's first digits", COMPUTER_TURN_TEXT, 14, 3000000000, 3,
         {"COMPUTER TURN    ", "Depth: 14      ", "Positions Traversed: 300000000", "Time Left: 3       "}},
    };
    for (const PanelCase& c : cases) {
        status_text = c.status;
        iteration_depth = c.depth;
        positions_traversed = c.positions;
        time_left = c.time;
        EXPECT_EQ(panel(), c.expected) << c.name;
    }
}

TEST_F(PaintBoard, LeavesGraySelectedForTheNextUse)
{
    cell_grid[8][8] = CELL_HUMAN;
    DeviceContext dc = get_window_dc(window);
    select_brush(dc, BRUSH_BLACK);
    paint_board(dc);
    EXPECT_EQ(dc->brush, BRUSH_GRAY);
    release_window_dc(window, dc);
}
