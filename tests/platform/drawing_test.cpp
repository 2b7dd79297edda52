#include <gtest/gtest.h>

#include "display/grid.h"
#include "display/paint.h"
#include "display/status.h"
#include "engine/search_state.h"
#include "platform/qt/qt_backend.h"
#include "tests/platform/qt_support.h"

namespace {

// The smallest rectangle holding every pixel that is not white.
QRect drawn_area(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != WHITE)
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

// A window already painted white, so that only the drawing under test shows.
WindowHandle clean_window(int32_t scale)
{
    WindowHandle window = bare_window();
    qt_set_canvas_scale(window, scale);
    end_paint(window, begin_paint(window));
    return window;
}

} // namespace

class Primitives : public ::testing::TestWithParam<int32_t> {};

TEST_P(Primitives, EllipseFillsItsRectangleWithOutlineInside)
{
    const int32_t s = GetParam();
    WindowHandle window = clean_window(s);
    DeviceContext dc = get_window_dc(window);
    select_brush(dc, BRUSH_GRAY);
    draw_ellipse(dc, 6, 5, 45, 44);
    release_window_dc(window, dc);
    const QImage image = qt_canvas_image(window);

    EXPECT_EQ(drawn_area(image), QRect(6 * s, 5 * s, 39 * s, 39 * s));
    const int32_t middle_x = 25 * s;
    const int32_t middle_y = 24 * s;
    EXPECT_EQ(image.pixel(middle_x, middle_y), GRAY);
    for (int32_t i = 0; i < s; ++i) { // the outline is one client pixel wide
        EXPECT_EQ(image.pixel(6 * s + i, middle_y), BLACK);
        EXPECT_EQ(image.pixel(45 * s - 1 - i, middle_y), BLACK);
        EXPECT_EQ(image.pixel(middle_x, 5 * s + i), BLACK);
        EXPECT_EQ(image.pixel(middle_x, 44 * s - 1 - i), BLACK);
    }
    EXPECT_EQ(image.pixel(6 * s + s, middle_y), GRAY);
    EXPECT_EQ(image.pixel(middle_x, 44 * s - 1 - s), GRAY);
}

TEST_P(Primitives, LinesLeaveOutTheirEndPixel)
{
    const int32_t s = GetParam();
    struct Line {
        int32_t x0, y0, x1, y1;
        QRect pixels; // client pixels
    };
    const Line lines[] = {
        {10, 50, 20, 50, QRect(10, 50, 10, 1)}, // rightward
        {20, 60, 10, 60, QRect(11, 60, 10, 1)}, // leftward
        {30, 10, 30, 20, QRect(30, 10, 1, 10)}, // downward
        {40, 20, 40, 10, QRect(40, 11, 1, 10)}, // upward
    };
    for (const Line& l : lines) {
        WindowHandle window = clean_window(s);
        DeviceContext dc = get_window_dc(window);
        move_to(dc, l.x0, l.y0);
        line_to(dc, l.x1, l.y1);
        release_window_dc(window, dc);
        const QImage image = qt_canvas_image(window);
        const QRect device(l.pixels.topLeft() * s, l.pixels.size() * s);
        EXPECT_EQ(drawn_area(image), device) << l.x0 << "," << l.y0 << " to " << l.x1 << "," << l.y1;
        EXPECT_EQ(image.pixel(device.center()), BLACK);
    }
}

TEST_P(Primitives, TextIsBlackOnWhiteWithoutGrays)
{
    const int32_t s = GetParam();
    WindowHandle window = bare_window();
    qt_set_canvas_scale(window, s);
    DeviceContext dc = get_window_dc(window);
    select_brush(dc, BRUSH_BLACK);
    draw_ellipse(dc, 390, 0, 600, 40); // text must cover what is under it
    text_out(dc, 396, 10, "Depth: 10 and more", 9);
    release_window_dc(window, dc);
    const QImage image = qt_canvas_image(window);

    int32_t black = 0;
    const QRect text_area(400 * s, 12 * s, 40 * s, 8 * s);
    for (int y = text_area.top(); y <= text_area.bottom(); ++y) {
        for (int x = text_area.left(); x <= text_area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ASSERT_TRUE(pixel == BLACK || pixel == WHITE) << x << "," << y;
            black += pixel == BLACK;
        }
    }
    EXPECT_GT(black, 20 * s * s);
    EXPECT_EQ(image.pixel(396 * s, 10 * s), WHITE) << "the cell is opaque";
}

INSTANTIATE_TEST_SUITE_P(Scales, Primitives, ::testing::Values(1, 2));

TEST(DeviceContexts, WindowDcKeepsItsBrushBetweenUses)
{
    WindowHandle window = clean_window(1);
    DeviceContext dc = get_window_dc(window);
    select_brush(dc, BRUSH_BLACK);
    release_window_dc(window, dc);
    dc = get_window_dc(window);
    draw_ellipse(dc, 10, 10, 30, 30);
    release_window_dc(window, dc);
    EXPECT_EQ(qt_canvas_image(window).pixel(20, 20), BLACK);
}

TEST(DeviceContexts, PaintDcErasesTheInvalidAreaAndDrawsOnlyThere)
{
    WindowHandle window = bare_window();
    DeviceContext dc = get_window_dc(window);
    select_brush(dc, BRUSH_BLACK);
    draw_ellipse(dc, 0, 0, 600, 380);
    release_window_dc(window, dc);

    dc = begin_paint(window); // a new window is invalid all over
    EXPECT_EQ(drawn_area(qt_canvas_image(window)), QRect());
    move_to(dc, 0, 10);
    line_to(dc, 100, 10);
    end_paint(window, dc);
    EXPECT_EQ(qt_canvas_image(window).pixel(50, 10), BLACK);

    dc = begin_paint(window); // valid now: nothing to erase, nothing to draw on
    move_to(dc, 0, 20);
    line_to(dc, 100, 20);
    end_paint(window, dc);
    EXPECT_EQ(qt_canvas_image(window).pixel(50, 20), WHITE);
    EXPECT_EQ(qt_canvas_image(window).pixel(50, 10), BLACK);
}

class BoardPixels : public ::testing::Test {
protected:
    void SetUp() override
    {
        init_display();
        status_text = HUMAN_TURN_TEXT;
        iteration_depth = MAX_ITERATION_DEPTH;
        positions_traversed = 0;
        time_left = 0;
    }

    static QImage paint(WindowHandle window)
    {
        DeviceContext dc = get_window_dc(window);
        paint_board(dc);
        release_window_dc(window, dc);
        return qt_canvas_image(window);
    }
};

TEST_F(BoardPixels, PointsMenLinesAndSeparator)
{
    cell_grid[2][2] = CELL_HUMAN;
    cell_grid[6][6] = CELL_COMPUTER;
    const QImage image = paint(clean_window(1));

    // Point cell (0, 0): a gray disc with a black outline at its edges.
    EXPECT_EQ(image.pixel(25, 24), GRAY);
    EXPECT_EQ(image.pixel(25, 5), BLACK);
    EXPECT_EQ(image.pixel(6, 24), BLACK);
    EXPECT_EQ(image.pixel(44, 24), BLACK);
    EXPECT_EQ(image.pixel(6, 5), WHITE); // corner outside the disc

    // Man of the user on cell (2, 2): white disc, outlined, in a gray ring.
    const int32_t l = 6 + 39 * 2;
    const int32_t t = 5 + 39 * 2;
    EXPECT_EQ(image.pixel(l + 19, t + 19), WHITE);
    EXPECT_EQ(image.pixel(l + 2, t + 19), GRAY);
    EXPECT_EQ(image.pixel(l + 4, t + 19), BLACK);
    // Man of the computer on cell (6, 6).
    EXPECT_EQ(image.pixel(6 + 39 * 6 + 19, 5 + 39 * 6 + 19), BLACK);
    EXPECT_EQ(image.pixel(6 + 39 * 6 + 2, 5 + 39 * 6 + 19), GRAY);

    // The horizontal line of cell (1, 0) at y = 24 + 39r, one pixel thick.
    for (int32_t x = 45; x < 84; ++x)
        EXPECT_EQ(image.pixel(x, 24), BLACK) << x;
    EXPECT_EQ(image.pixel(64, 23), WHITE);
    EXPECT_EQ(image.pixel(64, 25), WHITE);
    // The vertical line of cell (0, 1) at x = 25 + 39c.
    EXPECT_EQ(image.pixel(25, 60), BLACK);
    EXPECT_EQ(image.pixel(24, 60), WHITE);

    // The separator: x = 372 from y = 0 to 373.
    EXPECT_EQ(image.pixel(372, 0), BLACK);
    EXPECT_EQ(image.pixel(372, 373), BLACK);
    EXPECT_EQ(image.pixel(372, 374), WHITE);
    EXPECT_EQ(image.pixel(371, 200), WHITE);
    EXPECT_EQ(image.pixel(373, 200), WHITE);
}

TEST_F(BoardPixels, ShorterFiguresLeaveNoTraceOfLongerOnes)
{
    struct Change {
        const char* name;
        const char* status_before;
        int32_t depth_before, positions_before, time_before;
    };
    const Change changes[] = {
        {"depth 10 to 9", HUMAN_TURN_TEXT, 10, 40, 3},
        {"status and long numbers", COMPUTER_TURN_TEXT, 99, 2000000000, 600},
    };
    for (const Change& c : changes) {
        for (const int32_t scale : {1, 2}) {
            status_text = HUMAN_TURN_TEXT;
            iteration_depth = 9;
            positions_traversed = 40;
            time_left = 3;
            const QImage fresh = paint(clean_window(scale));

            WindowHandle window = clean_window(scale);
            status_text = c.status_before;
            iteration_depth = c.depth_before;
            positions_traversed = c.positions_before;
            time_left = c.time_before;
            paint(window);
            status_text = HUMAN_TURN_TEXT;
            iteration_depth = 9;
            positions_traversed = 40;
            time_left = 3;
            EXPECT_TRUE(paint(window) == fresh) << c.name << " at scale " << scale;
        }
    }
}
