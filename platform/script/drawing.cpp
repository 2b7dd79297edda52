// Drawing recorded as calls; the tests compare them with the expected picture.
#include <cstring>

#include "platform/script/script.h"

void select_brush(DeviceContext dc, StockBrush brush)
{
    dc->brush = brush;
    dc->log->push_back({DRAW_SELECT_BRUSH, brush, 0, 0, 0, {}});
}

void draw_ellipse(DeviceContext dc, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    dc->log->push_back({DRAW_ELLIPSE, left, top, right, bottom, {}});
}

void move_to(DeviceContext dc, int32_t x, int32_t y)
{
    dc->x = x;
    dc->y = y;
    dc->log->push_back({DRAW_MOVE_TO, x, y, 0, 0, {}});
}

void line_to(DeviceContext dc, int32_t x, int32_t y)
{
    dc->x = x;
    dc->y = y;
    dc->log->push_back({DRAW_LINE_TO, x, y, 0, 0, {}});
}

void text_out(DeviceContext dc, int32_t x, int32_t y, const char* text, int32_t count)
{
    const size_t length = strnlen(text, count > 0 ? static_cast<size_t>(count) : 0);
    dc->log->push_back({DRAW_TEXT, x, y, 0, 0, std::string(text, length)});
}

DeviceContext get_window_dc(WindowHandle window)
{
    return &window->dc;
}

void release_window_dc(WindowHandle, DeviceContext) {}

DeviceContext begin_paint(WindowHandle window)
{
    if (window->invalid)
        window->draw_log.push_back({DRAW_ERASE, 0, 0, window->client_width, window->client_height, {}});
    return &window->dc;
}

void end_paint(WindowHandle window, DeviceContext)
{
    window->invalid = false;
}

std::vector<DrawCall> script_take_drawing(WindowHandle window)
{
    std::vector<DrawCall> taken;
    taken.swap(window->draw_log);
    return taken;
}
