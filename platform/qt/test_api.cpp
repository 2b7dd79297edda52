#include "platform/qt/qt_backend.h"
#include "platform/qt/window.h"

QImage qt_canvas_image(WindowHandle window)
{
    // A deep copy: a painter may still be drawing into the original.
    return window->image.copy();
}

QMainWindow* qt_main_window(WindowHandle window)
{
    return window->frame;
}

QWidget* qt_canvas(WindowHandle window)
{
    return window->canvas;
}

void qt_set_canvas_scale(WindowHandle window, int32_t scale)
{
    set_canvas_scale(window, scale);
}

QAction* qt_menu_action(WindowHandle window, int32_t id)
{
    const auto it = window->menu_items.find(id);
    return it != window->menu_items.end() ? it->second : nullptr;
}
